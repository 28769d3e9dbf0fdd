// Every recordset class against the expected catalogue: its columns in order with their bindings,
// its source, connect string, defaults and visibility; and every class opens on a fresh database
// of each kind, which proves the schema has every table, view and column the classes bind.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "afx/RuntimeClass.h"
#include "odbc/Recordset.h"
#include "orvelmagdb/CatalogueData.h"
#include "orvelmagdb/base/Schema.h"
#include "support/DatabaseTest.h"
#include "support/ScalarQuery.h"

using orvel::test::ExpectedRecordset;

namespace {

const std::vector<ExpectedRecordset>& Expected()
{
    static const std::vector<ExpectedRecordset> expected = orvel::test::LoadExpectedCatalogue();
    return expected;
}

std::unique_ptr<CRecordset> Create(const std::string& className)
{
    CRuntimeClass* cls = AfxFindRuntimeClass(className.c_str());
    if (cls == nullptr)
        return nullptr;
    std::unique_ptr<CObject> object(cls->CreateObject());
    if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CRecordset)))
        return nullptr;
    return std::unique_ptr<CRecordset>(static_cast<CRecordset*>(object.release()));
}

// The library's own entry point of the class, looked up among the symbols it exports.
bool IsExported(const std::string& className)
{
    std::string symbol = "_ZN" + std::to_string(className.size()) + className + "12GetThisClassEv";
    return dlsym(RTLD_DEFAULT, symbol.c_str()) != nullptr;
}

}  // namespace

TEST(RecordsetCatalogue, EveryClassBindsItsColumnsInOrder)
{
    ASSERT_FALSE(Expected().empty());
    for (const ExpectedRecordset& e : Expected()) {
        SCOPED_TRACE(e.file + ":" + std::to_string(e.line) + " " + e.className);
        std::unique_ptr<CRecordset> rs = Create(e.className);
        ASSERT_NE(rs, nullptr) << "class not registered or not a recordset";
        EXPECT_EQ(rs->m_nFields, e.columns.size());
        EXPECT_EQ(rs->m_nParams, 0u);
        EXPECT_EQ(rs->m_nDefaultType, static_cast<UINT>(CRecordset::snapshot));
        EXPECT_EQ(std::string(rs->GetDefaultSQL()), e.source);
        EXPECT_EQ(std::string(rs->GetDefaultConnect()), e.connect);
        std::vector<CFieldInfo> fields = rs->DescribeFields();
        ASSERT_EQ(fields.size(), e.columns.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const auto& want = e.columns[i];
            SCOPED_TRACE("column " + std::to_string(i + 1) + " " + want.name);
            std::string bound = want.bare ? want.name : "[" + want.name + "]";
            EXPECT_EQ(std::string(fields[i].name), bound);
            EXPECT_STREQ(fields[i].KindName(), want.kind.c_str());
            EXPECT_FALSE(fields[i].isParam);
            if (want.kind == "text") {
                EXPECT_EQ(fields[i].maxLength, want.length);
                EXPECT_EQ(fields[i].columnType, 12);
                EXPECT_EQ(fields[i].scale, 0);
            }
        }
    }
}

TEST(RecordsetCatalogue, DerivedClassesExtendTheirBase)
{
    for (const ExpectedRecordset& e : Expected()) {
        SCOPED_TRACE(e.className);
        CRuntimeClass* cls = AfxFindRuntimeClass(e.className.c_str());
        ASSERT_NE(cls, nullptr);
        std::string base = e.base.empty() ? "CRecordset" : e.base;
        ASSERT_NE(cls->GetBaseClass(), nullptr);
        EXPECT_STREQ(cls->GetBaseClass()->m_lpszClassName, base.c_str());
    }
}

TEST(RecordsetCatalogue, HostsSeeExactlyTheExportedClasses)
{
    for (const ExpectedRecordset& e : Expected())
        EXPECT_EQ(IsExported(e.className), e.exported) << e.className;
}

TEST(RecordsetCatalogue, EveryRegisteredRecordsetIsInTheCatalogue)
{
    std::set<std::string> listed;
    for (const ExpectedRecordset& e : Expected())
        EXPECT_TRUE(listed.insert(e.className).second) << "listed twice: " << e.className;
    for (const CString& name : AfxGetRuntimeClassNames()) {
        CRuntimeClass* cls = AfxFindRuntimeClass(name);
        if (cls == nullptr || !cls->IsDerivedFrom(RUNTIME_CLASS(CRecordset)) || cls->m_pfnCreateObject == nullptr)
            continue;
        if (name == "CProcedureId" || name == "CODBCRecordset")
            continue;  // the base library's general-purpose recordsets
        EXPECT_TRUE(listed.count(name.str()) != 0) << "registered but not in the catalogue: " << name.GetString();
    }
}

class RecordsetsOnFreshDatabase : public orvel::test::DatabaseTest {};

TEST_P(RecordsetsOnFreshDatabase, EveryClassOpensAndIsEmpty)
{
    CSchema::Create(db());
    for (const ExpectedRecordset& e : Expected()) {
        SCOPED_TRACE(e.className);
        std::unique_ptr<CRecordset> rs = Create(e.className);
        ASSERT_NE(rs, nullptr);
        rs->m_pDatabase = &db();
        try {
            rs->Open();
            EXPECT_TRUE(rs->IsEOF());
            rs->Close();
        } catch (const CException& ex) {
            ADD_FAILURE() << ex.what();
        }
    }
}

// The tables and views of these areas have exactly the columns their recordset binds, in the same
// order, so that a host reading one by position or with SELECT * sees what the class sees. (Master
// data, document and container tables are shared by several classes that bind parts of them.)
TEST_P(RecordsetsOnFreshDatabase, SourcesOfOneClassHaveExactlyTheBoundColumns)
{
    const std::set<std::string> exactAreas = {"articles.txt", "stock.txt",   "payments.txt",
                                              "promotions.txt", "orveldb.txt", "orvelristdb.txt"};
    CSchema::Create(db());
    std::size_t checked = 0;
    for (const ExpectedRecordset& e : Expected()) {
        if (exactAreas.count(e.file) == 0)
            continue;
        SCOPED_TRACE(e.className + " " + e.source);
        std::string source = e.source.substr(1, e.source.size() - 2);
        orvel::test::CScalarQuery query(&db());
        CString sql;
        sql.Format("SELECT * FROM %s", source.c_str());
        query.Open(CRecordset::forwardOnly, sql, CRecordset::readOnly);
        ASSERT_EQ(static_cast<std::size_t>(query.GetResultColumnCount()), e.columns.size());
        for (std::size_t i = 0; i < e.columns.size(); ++i) {
            CString name = query.GetResultColumnName(static_cast<int>(i));
            EXPECT_EQ(name.CompareNoCase(e.columns[i].name.c_str()), 0)
                << "column " << i + 1 << ": " << name.GetString() << " instead of " << e.columns[i].name;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 116u);
}

ORVEL_DATABASE_TEST_SUITE(RecordsetsOnFreshDatabase);
