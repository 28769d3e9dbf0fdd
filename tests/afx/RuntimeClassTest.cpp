// Run-time class information and the extension-module registry as the library's module entry uses
// them: IsKindOf along a derived chain, CreateObject and lookups by name, and the life of a module
// (classes registered, taken over by the record, linked, terminated -> no longer found).
#include <gtest/gtest.h>

#include <memory>
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

IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_DYNCREATE(CPuppy, CDog)

namespace {

bool Listed(const char* name)
{
    for (const CString& n : AfxGetRuntimeClassNames())
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

TEST(RuntimeClass, KindCreationAndLookupByName)
{
    CPuppy puppy;
    const CObject& asObject = puppy;
    for (CRuntimeClass* base : {RUNTIME_CLASS(CPuppy), RUNTIME_CLASS(CDog), RUNTIME_CLASS(CObject)})
        EXPECT_TRUE(asObject.IsKindOf(base)) << base->m_lpszClassName;
    EXPECT_FALSE(asObject.IsKindOf(nullptr));
    EXPECT_FALSE(CDog().IsKindOf(RUNTIME_CLASS(CPuppy)));  // a base is not its derived class
    EXPECT_EQ(RUNTIME_CLASS(CPuppy)->GetBaseClass(), RUNTIME_CLASS(CDog));
    EXPECT_FALSE(RUNTIME_CLASS(CAnimal)->IsDerivedFrom(RUNTIME_CLASS(CDog)));

    std::unique_ptr<CObject> made(AfxFindRuntimeClass("CPuppy")->CreateObject());
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(static_cast<CAnimal*>(made.get())->Sound(), "yip");
    EXPECT_EQ(RUNTIME_CLASS(CAnimal)->CreateObject(), nullptr) << "not dynamically creatable";
    EXPECT_EQ(CRuntimeClass::FromName("CDog"), RUNTIME_CLASS(CDog));
    EXPECT_EQ(AfxFindRuntimeClass("cdog"), nullptr) << "names are case-sensitive";
    EXPECT_EQ(AfxFindRuntimeClass(nullptr), nullptr);
    EXPECT_TRUE(Listed("CStringArray")) << "the framework's own classes are listed too";
    int count = 0;
    AfxDoForAllClasses([](const CRuntimeClass*, void* context) { ++*static_cast<int*>(context); }, &count);
    EXPECT_EQ(count, static_cast<int>(AfxGetRuntimeClassNames().size()));
}

TEST(ExtensionModule, ClassesFollowTheModuleThroughItsLife)
{
    // A heap address lies in no shared object, so each stands for a module of its own.
    const auto module = std::make_unique<int>(0);
    const auto other = std::make_unique<int>(1);
    static CRuntimeClass first = MakeClass("CSimFirst");
    static CRuntimeClass second = MakeClass("CSimSecond");
    static CRuntimeClass late = MakeClass("CSimLate");
    static CRuntimeClass foreign = MakeClass("CSimForeign");
    AfxClassInit(&first, module.get());
    AfxClassInit(&second, module.get());
    AfxClassInit(&foreign, other.get());
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), &first) << "unclaimed classes are visible like the host's";

    // A library of a record never initialised links nothing.
    AFX_EXTENSION_MODULE unused = {FALSE, nullptr, nullptr, nullptr};
    new CDynLinkLibrary(unused);  // stays in the chain, skipped by every lookup below
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), &first);

    AFX_EXTENSION_MODULE record = {FALSE, nullptr, nullptr, nullptr};
    ASSERT_TRUE(AfxInitExtensionModule(record, module.get()));
    EXPECT_FALSE(AfxInitExtensionModule(record, module.get())) << "a second initialisation fails";
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), nullptr) << "taken over, not linked yet";
    std::vector<CRuntimeClass*> taken;
    for (CRuntimeClass* c = record.pFirstSharedClass; c != nullptr; c = c->m_pNextClass)
        taken.push_back(c);
    EXPECT_EQ(taken.size(), 2u);
    EXPECT_EQ(AfxFindRuntimeClass("CSimForeign"), &foreign) << "another module's class stays out";

    const int linkedBefore = CDynLinkLibrary::GetLinkedCount();
    new CDynLinkLibrary(record);  // the chain owns it
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), linkedBefore + 1);
    EXPECT_EQ(AfxFindRuntimeClass("CSimSecond"), &second);
    EXPECT_TRUE(Listed("CSimSecond"));
    AfxClassInit(&late, module.get());  // registering after initialisation joins the module
    EXPECT_EQ(AfxFindRuntimeClass("CSimLate"), &late);
    AfxClassTerm(&second);  // its static registrar destroyed
    EXPECT_EQ(AfxFindRuntimeClass("CSimSecond"), nullptr);

    // A library deleted directly leaves the chain instead of dangling in it.
    delete new CDynLinkLibrary(record);
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), linkedBefore + 1);
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), &first);

    AfxTermExtensionModule(record);
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), linkedBefore);
    EXPECT_FALSE(record.bInitialized);
    EXPECT_EQ(AfxFindRuntimeClass("CSimFirst"), nullptr);
    EXPECT_EQ(AfxFindRuntimeClass("CSimLate"), nullptr);
    EXPECT_FALSE(Listed("CSimFirst"));
    EXPECT_EQ(AfxFindRuntimeClass("CDog"), RUNTIME_CLASS(CDog));
    EXPECT_EQ(AfxFindRuntimeClass("CSimForeign"), &foreign);
    AfxTermExtensionModule(record);  // terminating again is harmless
    AfxTermExtensionModule(unused);
    AfxClassTerm(&foreign);
}
