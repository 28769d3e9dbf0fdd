// Every recordset class that the libraries register, as hosts and the schema rely on it: how it
// binds and what it reports, which classes hosts see, and, on a fresh database of each kind, a
// table or view with exactly the columns the class binds, in the same order, so that a host
// reading one by position or with SELECT * sees what the class sees.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "afx/RuntimeClass.h"
#include "odbc/Recordset.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"
#include "support/ScalarQuery.h"

namespace {

// Every registered recordset class but the base library's general-purpose ones.
std::vector<std::string> RecordsetClasses()
{
    std::vector<std::string> names;
    for (const CString& name : AfxGetRuntimeClassNames()) {
        CRuntimeClass* cls = AfxFindRuntimeClass(name);
        if (cls != nullptr && cls->m_pfnCreateObject != nullptr && cls->IsDerivedFrom(RUNTIME_CLASS(CRecordset)) &&
            name != "CProcedureId" && name != "CODBCRecordset")
            names.push_back(name.str());
    }
    return names;
}

std::unique_ptr<CRecordset> Create(const std::string& className)
{
    std::unique_ptr<CObject> object(AfxFindRuntimeClass(className.c_str())->CreateObject());
    return std::unique_ptr<CRecordset>(static_cast<CRecordset*>(object.release()));
}

// The library's own entry point of the class, looked up among the symbols it exports.
bool IsExported(const std::string& className)
{
    std::string symbol = "_ZN" + std::to_string(className.size()) + className + "12GetThisClassEv";
    return dlsym(RTLD_DEFAULT, symbol.c_str()) != nullptr;
}

// The column name as the database reports it: brackets off.
std::string Bare(const CString& bound)
{
    std::string name = bound.str();
    return name.front() == '[' ? name.substr(1, name.size() - 2) : name;
}

}  // namespace

TEST(RecordsetCatalogue, EveryClassBindsAsTheConventionsSay)
{
    // The classes the libraries write themselves and no host may build; every other one is
    // exported. The few columns bound by their bare name, and the classes that extend another.
    const std::set<std::string> internal = {"CARTICOLO_FORNITORE", "CVociDocumentoModaLoadSet", "CLottoSet",
                                            "CEmissioneBuonoCausaleSet", "CEmissioneBuonoCategoriaSet",
                                            "CEmissioneBuonoFamigliaSet", "CEmissioneBuonoGruppoSet"};
    const std::set<std::string> bare = {"NUMERO_SCADENZE", "SCA_NUMERO", "SCAD_NUMERO_SCADENZE"};
    const std::map<std::string, std::string> bases = {{"CArticoloModaCompletoSet", "CArticoloCompletoSet"},
                                                      {"CArticoloModaListSet", "CArticoloListSet"}};
    std::vector<std::string> classes = RecordsetClasses();
    // 166 of the shop library, 7 of the partner library, 2 of the restaurant library.
    EXPECT_EQ(classes.size(), 175u);
    for (const std::string& name : classes) {
        SCOPED_TRACE(name);
        std::unique_ptr<CRecordset> rs = Create(name);
        std::vector<CFieldInfo> fields = rs->DescribeFields();
        EXPECT_EQ(rs->m_nFields, fields.size());
        EXPECT_EQ(rs->m_nParams, 0u);
        EXPECT_EQ(rs->m_nDefaultType, static_cast<UINT>(CRecordset::snapshot));
        std::string source = rs->GetDefaultSQL().str();
        EXPECT_TRUE(source.size() > 2 && source.front() == '[' && source.back() == ']') << source;
        EXPECT_EQ(IsExported(name), internal.count(name) == 0);
        auto base = bases.find(name);
        CRuntimeClass* baseClass = AfxFindRuntimeClass(name.c_str())->GetBaseClass();
        EXPECT_STREQ(baseClass->m_lpszClassName, base == bases.end() ? "CRecordset" : base->second.c_str());
        for (const CFieldInfo& f : fields) {
            EXPECT_EQ(f.name.Left(1) != "[", bare.count(Bare(f.name)) != 0) << f.name.GetString();
            EXPECT_FALSE(f.isParam);
            EXPECT_TRUE(f.kind != CFieldInfo::text || (f.maxLength > 0 && f.columnType == 12 && f.scale == 0))
                << f.name.GetString();
        }
    }
}

class RecordsetsOnFreshDatabase : public orvel::test::DatabaseTest {};

TEST_P(RecordsetsOnFreshDatabase, EverySourceHasExactlyTheBoundColumns)
{
    CSchema::Create(db());
    for (const std::string& name : RecordsetClasses()) {
        CString source = Create(name)->GetDefaultSQL(), sql;
        std::vector<std::string> bound, found;
        for (const CFieldInfo& f : Create(name)->DescribeFields())
            bound.push_back(Bare(f.name));
        orvel::test::CScalarQuery query(&db());
        sql.Format("SELECT * FROM %s", source.Mid(1, source.GetLength() - 2).GetString());
        query.Open(CRecordset::forwardOnly, sql, CRecordset::readOnly);
        for (int i = 0; i < query.GetResultColumnCount(); ++i)
            found.push_back(query.GetResultColumnName(i).MakeUpper().str());
        // The line table also carries the header copies and fashion columns that the line views
        // read; its own class reads the columns it begins with.
        if (source == "[VOCI_DOCUMENTO]" && found.size() > bound.size())
            found.resize(bound.size());
        EXPECT_EQ(found, bound) << name << " " << source.GetString();
    }
}

ORVEL_DATABASE_TEST_SUITE(RecordsetsOnFreshDatabase);
