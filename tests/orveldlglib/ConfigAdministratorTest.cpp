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

// Absent keys read as empty text and zero; numbers are read as atoi reads them; a later value
// replaces an earlier one and a key removes once.
TEST(ConfigAdministrator, NumbersAbsentKeysReplacementAndRemoval)
{
    CConfigAdministrator config;
    EXPECT_TRUE(config.GetParam("precisione/prezzi").IsEmpty());
    EXPECT_FALSE(config.HasParam("precisione/prezzi"));
    const struct {
        const char* text;
        long value;
    } cases[] = {{"12", 12}, {" -3", -3}, {"7 days", 7}, {"abc", 0}, {"", 0}, {nullptr, 0}};
    for (const auto& c : cases) {
        config.RemoveParam("k");
        if (c.text)
            config.SetParam("k", c.text);
        EXPECT_EQ(config.GetParamAsInt("k"), c.value) << (c.text ? c.text : "absent");
        EXPECT_EQ(config.GetParamAsLong("k"), c.value);
    }
    config.SetParam("f", "2147483648000");
    EXPECT_EQ(config.GetParamAsLong("f"), 2147483648000L);
    config.SetParam("f", "4");
    EXPECT_EQ(config.GetParamAsInt("f"), 4);
    EXPECT_TRUE(config.RemoveParam("f"));
    EXPECT_FALSE(config.RemoveParam("f"));
    EXPECT_EQ(config.GetParamAsInt("f"), 0);
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

TEST(ConfigAdministrator, MalformedLinesAndMissingFilesAreClearErrorsThatApplyNothing)
{
    ConfigFile file("precisione/prezzi=5\n\nthis line has no equals sign\n");
    CConfigAdministrator config;
    config.SetParam("precisione/prezzi", "2");
    const auto messageOf = [&config](const CString& path) {
        try {
            config.LoadFile(path);
        } catch (const CConfigException& e) {
            return std::string(e.what());
        }
        ADD_FAILURE() << path.str() << " was accepted";
        return std::string();
    };
    const std::string message = messageOf(file.Path());
    EXPECT_NE(message.find(file.Path().str() + ":3:"), std::string::npos) << message;
    EXPECT_NE(message.find("this line has no equals sign"), std::string::npos) << message;
    EXPECT_EQ(config.GetParamAsInt("precisione/prezzi"), 2);
    EXPECT_NE(messageOf("/nonexistent/orvel.conf").find("/nonexistent/orvel.conf"), std::string::npos);
    EXPECT_THROW(config.LoadText(" = 3\n", "inline"), CConfigException) << "an empty key";
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

TEST(ApplicationAdministrator, CurrentUserComesFromTheConfigurationFile)
{
    ConfigFile file("utente/id_societa=7\nutente/id_deposito=3\nutente/nome_societa=Bottega\n");
    CApplicationAdministrator* admin = CApplicationAdministrator::GetInstance();
    ASSERT_EQ(admin, CApplicationAdministrator::GetInstance()) << "one object for the whole process";
    CUserAdministrator* user = admin->GetUser();
    user->Reset();
    EXPECT_EQ(user->Get_ID_SOCIETA(), -1);
    user->Set_ID_SOCIETA(1);
    user->Set_ID_SEDE_SOCIETA(2);
    user->Set_ID_DEPOSITO(4);
    user->Set_ID_AGENTE(12);
    user->Set_NOME_SOCIETA("N");
    user->Set_RAGIONE_SOCIALE_SOCIETA("Bottega di Mario S.n.c.");
    admin->LoadConfigFile(file.Path());
    EXPECT_EQ(user->Get_ID_SOCIETA(), 7);
    EXPECT_EQ(user->Get_ID_DEPOSITO(), 3);
    EXPECT_STREQ(user->Get_NOME_SOCIETA(), "Bottega");
    // Keys absent from the file leave the values alone.
    EXPECT_EQ(user->Get_ID_SEDE_SOCIETA(), 2);
    EXPECT_EQ(user->Get_ID_AGENTE(), 12);
    EXPECT_STREQ(user->Get_RAGIONE_SOCIALE_SOCIETA(), "Bottega di Mario S.n.c.");
    EXPECT_STREQ(CApplicationAdministrator::GetInstance()->GetConfig()->GetParam("utente/nome_societa"), "Bottega");
    user->Reset();
    EXPECT_EQ(user->Get_ID_AGENTE(), -1);
    admin->GetConfig()->RemoveAll();
}
