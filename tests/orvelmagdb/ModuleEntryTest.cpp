// The library's entry: loading registers its classes with the process-wide registry, unloading
// takes them away, and a second initialisation of the same module is refused.
#include <gtest/gtest.h>

#include <memory>

#include "afx/RuntimeClass.h"
#include "odbc/Recordset.h"
#include "orvelmagdb/module/Library.h"
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

TEST(ModuleEntry, LoadingTheLibraryRegisteredItsRecordsetClasses)
{
    CRuntimeClass* cls = AfxFindRuntimeClass("CIvaSet");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls, RUNTIME_CLASS(CIvaSet));
    EXPECT_TRUE(cls->IsDerivedFrom(RUNTIME_CLASS(CRecordset)));
    std::unique_ptr<CObject> object(cls->CreateObject());
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CIvaSet)));
    EXPECT_EQ(AfxFindRuntimeClass("CNoSuchSet"), nullptr);
}

TEST(ModuleEntry, DetachUnregistersAndAttachRegistersAgain)
{
    ASSERT_NE(AfxFindRuntimeClass("CGruppoSet"), nullptr);
    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 0) << "the module is initialised already";
    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_THREAD_ATTACH, nullptr), 1);
    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_THREAD_DETACH, nullptr), 1);

    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_PROCESS_DETACH, nullptr), 1);
    EXPECT_EQ(AfxFindRuntimeClass("CGruppoSet"), nullptr);
    EXPECT_EQ(AfxFindRuntimeClass("CIvaSet"), nullptr);

    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 1);
    EXPECT_NE(AfxFindRuntimeClass("CGruppoSet"), nullptr);
    EXPECT_NE(AfxFindRuntimeClass("CIvaSet"), nullptr);
}

TEST(ModuleEntry, ReportsItsVersion)
{
    EXPECT_STREQ(OrvelMagDbVersion(), ORVEL_VERSION_TEXT);
}
