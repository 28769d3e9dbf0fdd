// The library's entry: loading registers its classes with the process-wide registry, unloading
// takes them away, and a second initialisation of the same module is refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "afx/RuntimeClass.h"
#include "odbc/Recordset.h"
#include "orvelmagdb/module/Library.h"
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

TEST(ModuleEntry, LoadingRegisteredTheClassesASecondAttachIsRefusedAndTheVersionIsKnown)
{
    CRuntimeClass* cls = AfxFindRuntimeClass("CIvaSet");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls, RUNTIME_CLASS(CIvaSet));
    EXPECT_TRUE(cls->IsDerivedFrom(RUNTIME_CLASS(CRecordset)));
    std::unique_ptr<CObject> object(cls->CreateObject());
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CIvaSet)));
    EXPECT_EQ(AfxFindRuntimeClass("CNoSuchSet"), nullptr);
    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 0) << "the module is initialised already";
    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_THREAD_ATTACH, nullptr), 1);
    EXPECT_EQ(OrvelMagDbDllMain(nullptr, DLL_THREAD_DETACH, nullptr), 1);
    EXPECT_NE(AfxFindRuntimeClass("CGruppoSet"), nullptr);
    EXPECT_STREQ(OrvelMagDbVersion(), ORVEL_VERSION_TEXT);
}

// Detaching is what unloading the library does; it runs in a child process so that the rest of
// this suite keeps the library's classes.
TEST(ModuleEntryDeathTest, DetachUnregistersTheClasses)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool before = AfxFindRuntimeClass("CIvaSet") != nullptr;
            int result = OrvelMagDbDllMain(nullptr, DLL_PROCESS_DETACH, nullptr);
            bool after = AfxFindRuntimeClass("CIvaSet") != nullptr || AfxFindRuntimeClass("CGruppoSet") != nullptr;
            std::exit(before && result == 1 && !after ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
