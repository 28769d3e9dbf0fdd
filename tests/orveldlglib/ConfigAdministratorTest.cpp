// The configuration store and the current user, as the library reads them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "orveldlglib/ApplicationAdministrator.h"

namespace {

class ConfigFile {
public:
    explicit ConfigFile(const std::string& content)
        : m_path(std::filesystem::temp_directory_path() /
                 ("orvel-config-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".conf"))
    {
        std::ofstream(m_path) << content;
    }
    ~ConfigFile() { std::filesystem::remove(m_path); }
    CString Path() const { return CString(m_path.string()); }

private:
    std::filesystem::path m_path;
};

}  // namespace

TEST(ConfigAdministrator, AbsentKeysGiveEmptyTextAndZero)
{
    CConfigAdministrator config;
    EXPECT_TRUE(config.GetParam("precisione/prezzi").IsEmpty());
    EXPECT_EQ(config.GetParamAsInt("precisione/prezzi"), 0);
    EXPECT_EQ(config.GetParamAsLong("default/documento/porto"), 0L);
    EXPECT_FALSE(config.HasParam("precisione/prezzi"));
}

TEST(ConfigAdministrator, NumbersAreReadAsAtoiReadsThem)
{
    CConfigAdministrator config;
    config.SetParam("a", "12");
    config.SetParam("b", " -3");
    config.SetParam("c", "7 days");
    config.SetParam("d", "abc");
    config.SetParam("e", "");
    config.SetParam("f", "2147483648000");
    EXPECT_EQ(config.GetParamAsInt("a"), 12);
    EXPECT_EQ(config.GetParamAsInt("b"), -3);
    EXPECT_EQ(config.GetParamAsLong("c"), 7L);
    EXPECT_EQ(config.GetParamAsInt("d"), 0);
    EXPECT_EQ(config.GetParamAsInt("e"), 0);
    EXPECT_EQ(config.GetParamAsLong("f"), 2147483648000L);
}

TEST(ConfigAdministrator, LaterValuesReplaceEarlierOnes)
{
    CConfigAdministrator config;
    config.SetParam("precisione/prezzi", "2");
    config.SetParam("precisione/prezzi", "4");
    EXPECT_EQ(config.GetParamAsInt("precisione/prezzi"), 4);
    EXPECT_TRUE(config.RemoveParam("precisione/prezzi"));
    EXPECT_FALSE(config.RemoveParam("precisione/prezzi"));
    EXPECT_EQ(config.GetParamAsInt("precisione/prezzi"), 0);
}

TEST(ConfigAdministrator, ReadsKeyValueFilesWithCommentsAndBlanks)
{
    ConfigFile file(
        "# shop settings\n"
        "\n"
        "precisione/prezzi = 3\n"
        "   # indented comment\n"
        "default/ristorazione/coperto/descrizione=Coperto = pane\r\n"
        "default/documento/unitamisura=\n"
        "note=colour # not a comment\n");
    CConfigAdministrator config;
    config.SetParam("precisione/iva", "2");
    config.LoadFile(file.Path());
    EXPECT_EQ(config.GetParamAsInt("precisione/prezzi"), 3);
    EXPECT_STREQ(config.GetParam("default/ristorazione/coperto/descrizione"), "Coperto = pane");
    EXPECT_TRUE(config.HasParam("default/documento/unitamisura"));
    EXPECT_STREQ(config.GetParam("default/documento/unitamisura"), "");
    EXPECT_STREQ(config.GetParam("note"), "colour # not a comment");
    EXPECT_EQ(config.GetParamAsInt("precisione/iva"), 2) << "keys absent from the file are kept";
    EXPECT_EQ(config.GetKeys().GetSize(), 5);
}

TEST(ConfigAdministrator, MalformedLineNamesFileAndLineAndAppliesNothing)
{
    ConfigFile file("precisione/prezzi=5\n\nthis line has no equals sign\n");
    CConfigAdministrator config;
    config.SetParam("precisione/prezzi", "2");
    try {
        config.LoadFile(file.Path());
        FAIL() << "a malformed line was accepted";
    } catch (const CConfigException& e) {
        std::string message = e.what();
        EXPECT_NE(message.find(file.Path().str() + ":3:"), std::string::npos) << message;
        EXPECT_NE(message.find("this line has no equals sign"), std::string::npos) << message;
    }
    EXPECT_EQ(config.GetParamAsInt("precisione/prezzi"), 2);
}

TEST(ConfigAdministrator, EmptyKeyIsMalformed)
{
    CConfigAdministrator config;
    EXPECT_THROW(config.LoadText(" = 3\n", "inline"), CConfigException);
}

TEST(ConfigAdministrator, MissingFileIsAClearError)
{
    CConfigAdministrator config;
    try {
        config.LoadFile("/nonexistent/orvel.conf");
        FAIL() << "a missing file was accepted";
    } catch (const CException& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/orvel.conf"), std::string::npos) << e.what();
    }
}

TEST(ConfigAdministrator, TheShippedDefaultsCoverEveryKeyTheLibraryReads)
{
    CConfigAdministrator config;
    config.LoadFile(ORVEL_SOURCE_DIR "/config/default.conf");
    const char* keys[] = {
        "precisione/prezzi", "precisione/iva", "precisione/sconti", "precisione/totali", "precisione/quantita",
        "default/articolo/ncifre", "default/articolo/moltiplicatorelistino", "default/documento/unitamisura",
        "default/documento/formulapagamento", "default/documento/aspettobeni", "default/documento/porto",
        "default/documento/curatrasporto", "default/documento/causaletrasporto",
        "default/documento/datainiziotrasportoimpostata", "default/magazzino/spese/iva", "default/documento/iva",
        "default/ristorazione/coperto/descrizione", "default/ristorazione/servizio/descrizione",
        "magazzino/documento/collicomesommaqta", "magazzino/provvigione", "default/sconti/numero",
        "default/scadenzario/passivoattivo", "default/pagamento/registra", "default/pagamento/chiudiscadenze",
        "default/pagamento/passivoattivo", "default/pagamento/conto_predefinito"};
    for (const char* key : keys)
        EXPECT_TRUE(config.HasParam(key)) << key;
    EXPECT_EQ(config.GetParamAsInt("precisione/prezzi"), 2);
    EXPECT_EQ(config.GetParamAsInt("precisione/quantita"), 3);
    int digits = config.GetParamAsInt("default/articolo/ncifre");
    EXPECT_GT(digits, 0);
}

TEST(ApplicationAdministrator, IsOneObjectForTheWholeProcess)
{
    CApplicationAdministrator* a = CApplicationAdministrator::GetInstance();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, CApplicationAdministrator::GetInstance());
    a->GetConfig()->SetParam("test/shared", "yes");
    EXPECT_STREQ(CApplicationAdministrator::GetInstance()->GetConfig()->GetParam("test/shared"), "yes");
    a->GetConfig()->RemoveParam("test/shared");
}

TEST(ApplicationAdministrator, CurrentUserComesFromTheConfigurationFile)
{
    ConfigFile file(
        "utente/id_societa=7\nutente/id_deposito=3\nutente/nome_societa=Bottega\n"
        "utente/ragione_sociale_societa=Bottega di Mario S.n.c.\n");
    CApplicationAdministrator* admin = CApplicationAdministrator::GetInstance();
    CUserAdministrator* user = admin->GetUser();
    user->Reset();
    user->Set_ID_AGENTE(12);
    admin->LoadConfigFile(file.Path());
    EXPECT_EQ(user->Get_ID_SOCIETA(), 7);
    EXPECT_EQ(user->Get_ID_DEPOSITO(), 3);
    EXPECT_EQ(user->Get_ID_SEDE_SOCIETA(), -1) << "absent keys leave the value alone";
    EXPECT_EQ(user->Get_ID_AGENTE(), 12);
    EXPECT_STREQ(user->Get_NOME_SOCIETA(), "Bottega");
    EXPECT_STREQ(user->Get_RAGIONE_SOCIALE_SOCIETA(), "Bottega di Mario S.n.c.");
    user->Reset();
    admin->GetConfig()->RemoveAll();
}

TEST(UserAdministrator, SettersAndGettersOfEveryValue)
{
    CUserAdministrator user;
    EXPECT_EQ(user.Get_ID_SOCIETA(), -1);
    user.Set_ID_SOCIETA(1);
    user.Set_ID_SEDE_SOCIETA(2);
    user.Set_ID_DEPOSITO(3);
    user.Set_ID_AGENTE(4);
    user.Set_NOME_SOCIETA("N");
    user.Set_RAGIONE_SOCIALE_SOCIETA("R");
    EXPECT_EQ(user.Get_ID_SOCIETA(), 1);
    EXPECT_EQ(user.Get_ID_SEDE_SOCIETA(), 2);
    EXPECT_EQ(user.Get_ID_DEPOSITO(), 3);
    EXPECT_EQ(user.Get_ID_AGENTE(), 4);
    EXPECT_STREQ(user.Get_NOME_SOCIETA(), "N");
    EXPECT_STREQ(user.Get_RAGIONE_SOCIALE_SOCIETA(), "R");
}
