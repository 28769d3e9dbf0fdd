// A real shared object loaded and unloaded with dlopen/dlclose: its classes register at load
// through its own module entry (record, AfxInitExtensionModule, CDynLinkLibrary), are found and
// created by name while it is loaded, and are gone once it is unloaded.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>

#include "afx/DynLinkLibrary.h"
#include "afx/ExtensionModule.h"
#include "afx/Object.h"
#include "afx/RuntimeClass.h"

#ifdef AFX_TEST_MODULE

namespace {

struct DlCloser {
    void operator()(void* handle) const { dlclose(handle); }
};
using ModuleHandle = std::unique_ptr<void, DlCloser>;

}  // namespace

TEST(LoadedModule, ClassesLiveAsLongAsTheModule)
{
    ASSERT_EQ(AfxFindRuntimeClass("CModuleWidget"), nullptr);
    const int linkedBefore = CDynLinkLibrary::GetLinkedCount();

    ModuleHandle module(dlopen(AFX_TEST_MODULE, RTLD_NOW | RTLD_LOCAL));
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), linkedBefore + 1);

    auto recordOf = reinterpret_cast<const AFX_EXTENSION_MODULE* (*)()>(dlsym(module.get(), "AfxTestModuleRecord"));
    ASSERT_NE(recordOf, nullptr);
    const AFX_EXTENSION_MODULE* record = recordOf();
    EXPECT_TRUE(record->bInitialized);
    int classes = 0;
    for (const CRuntimeClass* c = record->pFirstSharedClass; c != nullptr; c = c->m_pNextClass)
        ++classes;
    EXPECT_EQ(classes, 2);

    CRuntimeClass* widget = AfxFindRuntimeClass("CModuleWidget");
    CRuntimeClass* gadget = AfxFindRuntimeClass("CModuleGadget");
    ASSERT_NE(widget, nullptr);
    ASSERT_NE(gadget, nullptr);
    EXPECT_TRUE(gadget->IsDerivedFrom(widget));
    {
        std::unique_ptr<CObject> made(gadget->CreateObject());
        ASSERT_NE(made, nullptr);
        EXPECT_TRUE(made->IsKindOf(widget));  // a base of the module's own, across the module boundary
        EXPECT_FALSE(made->IsKindOf(RUNTIME_CLASS(CDynLinkLibrary)));
    }

    module.reset();  // dlclose runs the module's termination
    EXPECT_EQ(AfxFindRuntimeClass("CModuleWidget"), nullptr);
    EXPECT_EQ(AfxFindRuntimeClass("CModuleGadget"), nullptr);
    EXPECT_EQ(CDynLinkLibrary::GetLinkedCount(), linkedBefore);

    // Loading it again registers it again.
    ModuleHandle again(dlopen(AFX_TEST_MODULE, RTLD_NOW | RTLD_LOCAL));
    ASSERT_NE(again, nullptr) << dlerror();
    EXPECT_NE(AfxFindRuntimeClass("CModuleGadget"), nullptr);
    again.reset();
    EXPECT_EQ(AfxFindRuntimeClass("CModuleGadget"), nullptr);
}

#endif
