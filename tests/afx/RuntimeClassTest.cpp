// Run-time class information and the extension-module registry: IsKindOf along a derived
// chain, CreateObject, lookups by name, and the life of a module (classes registered, record
// initialised, CDynLinkLibrary linked, module terminated -> its classes are no longer found).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "afx/DynLinkLibrary.h"
#include "afx/ExtensionModule.h"
#include "afx/Object.h"
#include "afx/RuntimeClass.h"

class CAnimal : public CObject {
    DECLARE_DYNAMIC(CAnimal)
public:
    virtual const char* Sound() const { return "..."; }
};

class CDog : public CAnimal {
    DECLARE_DYNCREATE(CDog)
public:
    const char* Sound() const override { return "woof"; }
};

class CPuppy : public CDog {
    DECLARE_DYNCREATE(CPuppy)
public:
    const char* Sound() const override { return "yip"; }
};

class CStone : public CObject {
    DECLARE_DYNCREATE(CStone)
};

IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_DYNCREATE(CPuppy, CDog)
IMPLEMENT_DYNCREATE(CStone, CObject)

namespace {

bool Contains(const std::vector<CString>& names, const char* name)
{
    for (const CString& n : names)
        if (n == name)
            return true;
    return false;
}

// A class description made at run time, for a simulated module.
CRuntimeClass MakeClass(const char* name)
{
    return CRuntimeClass{name, static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, &CObject::GetThisClass, nullptr};
}

}  // namespace

TEST(RuntimeClass, IsKindOfFollowsTheDerivedChain)
{
    CPuppy puppy;
    const CObject& asObject = puppy;
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CPuppy)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(asObject.IsKindOf(RUNTIME_CLASS(CStone)));
    EXPECT_FALSE(asObject.IsKindOf(nullptr));
    CDog dog;
    EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CPuppy)));  // a base is not its derived class
    EXPECT_EQ(asObject.GetRuntimeClass(), RUNTIME_CLASS(CPuppy));
    EXPECT_EQ(&CPuppy::classCPuppy, RUNTIME_CLASS(CPuppy));
    EXPECT_STREQ(RUNTIME_CLASS(CPuppy)->m_lpszClassName, "CPuppy");
    EXPECT_EQ(RUNTIME_CLASS(CPuppy)->m_nObjectSize, static_cast<int>(sizeof(CPuppy)));
    EXPECT_EQ(RUNTIME_CLASS(CPuppy)->GetBaseClass(), RUNTIME_CLASS(CDog));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->GetBaseClass(), nullptr);
    EXPECT_TRUE(RUNTIME_CLASS(CDog)->IsDerivedFrom(RUNTIME_CLASS(CAnimal)));
    EXPECT_FALSE(RUNTIME_CLASS(CAnimal)->IsDerivedFrom(RUNTIME_CLASS(CDog)));
}

TEST(RuntimeClass, CreateObjectMakesTheRightClass)
{
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CPuppy)->CreateObject());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CPuppy));
    EXPECT_STREQ(static_cast<CAnimal*>(made.get())->Sound(), "yip");
    // Only dynamically creatable classes can be created.
    EXPECT_EQ(RUNTIME_CLASS(CAnimal)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);
}

TEST(RuntimeClass, RegisteredClassesAreFoundByName)
{
    EXPECT_EQ(AfxFindRuntimeClass("CDog"), RUNTIME_CLASS(CDog));
    EXPECT_EQ(CRuntimeClass::FromName("CStone"), RUNTIME_CLASS(CStone));
    EXPECT_EQ(AfxFindRuntimeClass("cdog"), nullptr);  // names are case-sensitive
    EXPECT_EQ(AfxFindRuntimeClass("CUnicorn"), nullptr);
    EXPECT_EQ(AfxFindRuntimeClass(nullptr), nullptr);
    std::unique_ptr<CObject> byName(AfxFindRuntimeClass("CDog")->CreateObject());
    EXPECT_STREQ(static_cast<CAnimal*>(byName.get())->Sound(), "woof");

    const std::vector<CString> names = AfxGetRuntimeClassNames();
    EXPECT_TRUE(Contains(names, "CAnimal"));
    EXPECT_TRUE(Contains(names, "CPuppy"));
    EXPECT_TRUE(Contains(names, "CStringArray"));  // the library's own classes too
    int count = 0;
    AfxDoForAllClasses([](const CRuntimeClass*, void* context) { ++*static_cast<int*>(context); }, &count);
    EXPECT_EQ(count, static_cast<int>(names.size()));
}

TEST(ExtensionModule, ClassesFollowTheModuleThroughItsLife)
{
    // A heap address lies in no shared object, so it stands for a module of its own.
    const auto module = std::make_unique<int>(0);
    static CRuntimeClass first = MakeClass("CSimFirst");
    static CRuntimeClass second = MakeClass("CSimSecond");
    static CRuntimeClass late = MakeClass("CSimLate");
    AfxClassInit(&first, module.get());
    AfxClassInit(&second, module.get());
    // Not yet taken over by a module: visible like the host's own classes.
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), &first);

    AFX_EXTENSION_MODULE record = {FALSE, nullptr, nullptr, nullptr};
    ASSERT_TRUE(AfxInitExtensionModule(record, module.get()));
    EXPECT_TRUE(record.bInitialized);
    EXPECT_EQ(record.hModule, module.get());
    EXPECT_FALSE(AfxInitExtensionModule(record, module.get()));  // a second time fails
    // Taken over, not linked yet: not found.
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), nullptr);
    int listed = 0;
    for (CRuntimeClass* c = record.pFirstSharedClass; c != nullptr; c = c->m_pNextClass)
        ++listed;
    EXPECT_EQ(listed, 2);

    const int linkedBefore = CDynLinkLibrary::GetLinkedCount();
    new CDynLinkLibrary(record);  // the chain owns it
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), linkedBefore + 1);
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), &first);
    EXPECT_EQ(AfxFindRuntimeClass("CSimSecond"), &second);
    EXPECT_TRUE(Contains(AfxGetRuntimeClassNames(), "CSimSecond"));

    // A class of the same module registering after initialisation joins it directly.
    AfxClassInit(&late, module.get());
    EXPECT_EQ(AfxFindRuntimeClass("CSimLate"), &late);
    // A class unregistering (its static registrar destroyed) disappears.
    AfxClassTerm(&second);
    EXPECT_EQ(AfxFindRuntimeClass("CSimSecond"), nullptr);

    AfxTermExtensionModule(record);
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), linkedBefore);
    EXPECT_FALSE(record.bInitialized);
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), nullptr);
    EXPECT_EQ(AfxFindRuntimeClass("CSimLate"), nullptr);
    EXPECT_FALSE(Contains(AfxGetRuntimeClassNames(), "CSimFirst"));
    // Other classes are untouched.
    EXPECT_EQ(AfxFindRuntimeClass("CDog"), RUNTIME_CLASS(CDog));
    AfxTermExtensionModule(record);  // terminating again is harmless
}

TEST(ExtensionModule, TwoModulesAreIndependent)
{
    const auto moduleA = std::make_unique<int>(1);
    const auto moduleB = std::make_unique<int>(2);
    static CRuntimeClass a = MakeClass("CSimA");
    static CRuntimeClass b = MakeClass("CSimB");
    AfxClassInit(&a, moduleA.get());
    AfxClassInit(&b, moduleB.get());
    AFX_EXTENSION_MODULE recordA = {FALSE, nullptr, nullptr, nullptr};
    AFX_EXTENSION_MODULE recordB = {FALSE, nullptr, nullptr, nullptr};
    ASSERT_TRUE(AfxInitExtensionModule(recordA, moduleA.get()));
    ASSERT_TRUE(AfxInitExtensionModule(recordB, moduleB.get()));
    EXPECT_EQ(recordA.pFirstSharedClass, &a);
    EXPECT_EQ(recordB.pFirstSharedClass, &b);
    new CDynLinkLibrary(recordA);
    new CDynLinkLibrary(recordB);
    EXPECT_EQ(AfxFindRuntimeClass("CSimA"), &a);
    EXPECT_EQ(AfxFindRuntimeClass("CSimB"), &b);
    AfxTermExtensionModule(recordA);
    EXPECT_EQ(AfxFindRuntimeClass("CSimA"), nullptr);
    EXPECT_EQ(AfxFindRuntimeClass("CSimB"), &b);

    // A library deleted directly leaves the chain instead of dangling in it.
    const int before = CDynLinkLibrary::GetLinkedCount();
    auto* extra = new CDynLinkLibrary(recordB);
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), before + 1);
    delete extra;
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), before);
    EXPECT_EQ(AfxFindRuntimeClass("CSimB"), &b);  // still linked by the first library

    AfxTermExtensionModule(recordB);
    EXPECT_EQ(AfxFindRuntimeClass("CSimB"), nullptr);
}

TEST(ExtensionModule, LibraryOfAnUninitialisedRecordLinksNothing)
{
    const auto module = std::make_unique<int>(3);
    static CRuntimeClass c = MakeClass("CSimNeverInit");
    AfxClassInit(&c, module.get());
    AFX_EXTENSION_MODULE record = {FALSE, nullptr, nullptr, nullptr};
    new CDynLinkLibrary(record);
    EXPECT_EQ(AfxFindRuntimeClass("CSimNeverInit"), &c);  // still the host's, unclaimed
    AfxTermExtensionModule(record);
    AfxClassTerm(&c);
    EXPECT_EQ(AfxFindRuntimeClass("CSimNeverInit"), nullptr);
}

// The way a real library does it: the record's own address (hInstance nullptr) names the
// module, so the record takes over every class of this executable. Run in a child process so
// that the rest of the suite keeps its classes; the exit code tells which step failed.
[[noreturn]] void RunThisExecutableAsAModule()
{
    static AFX_EXTENSION_MODULE record = {FALSE, nullptr, nullptr, nullptr};
    if (!AfxInitExtensionModule(record, nullptr))
        std::_Exit(10);
    if (AfxFindRuntimeClass("CDog") != nullptr)
        std::_Exit(11);  // taken over, not linked yet
    bool listed = false;
    for (CRuntimeClass* c = record.pFirstSharedClass; c != nullptr; c = c->m_pNextClass)
        listed = listed || c == RUNTIME_CLASS(CPuppy);
    if (!listed)
        std::_Exit(12);
    new CDynLinkLibrary(record);
    if (AfxFindRuntimeClass("CDog") != RUNTIME_CLASS(CDog))
        std::_Exit(13);
    AfxTermExtensionModule(record);
    if (AfxFindRuntimeClass("CDog") != nullptr || AfxFindRuntimeClass("CPuppy") != nullptr)
        std::_Exit(14);
    std::_Exit(0);
}

TEST(ExtensionModuleDeathTest, RecordOfThisExecutableTakesItsClasses)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunThisExecutableAsAModule(), testing::ExitedWithCode(0), "");
}

TEST(ExtensionModule, ConcurrentModulesAndLookups)
{
    constexpr int kThreads = 4;
    constexpr int kRounds = 200;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &failures] {
            const std::string name = "CSimThread" + std::to_string(t);
            CRuntimeClass cls = MakeClass(name.c_str());
            for (int r = 0; r < kRounds; ++r) {
                const auto module = std::make_unique<int>(r);
                AfxClassInit(&cls, module.get());
                AFX_EXTENSION_MODULE record = {FALSE, nullptr, nullptr, nullptr};
                if (!AfxInitExtensionModule(record, module.get()))
                    ++failures;
                new CDynLinkLibrary(record);
                if (AfxFindRuntimeClass(name.c_str()) != &cls)
                    ++failures;
                if (AfxFindRuntimeClass("CDog") != RUNTIME_CLASS(CDog))
                    ++failures;
                AfxTermExtensionModule(record);
                if (AfxFindRuntimeClass(name.c_str()) != nullptr)
                    ++failures;
            }
        });
    }
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(failures.load(), 0);
}
