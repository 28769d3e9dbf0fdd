// A loadable module for test_afx, built as a shared object of its own: two classes and a
// module entry run by a static object's constructor and destructor, as a real library's would.
// Its undefined framework symbols resolve against the test executable, so it registers with
// the same class registry the tests inspect.
#include "afx/DynLinkLibrary.h"
#include "afx/ExtensionModule.h"
#include "afx/Object.h"

class CModuleWidget : public CObject {
    DECLARE_DYNCREATE(CModuleWidget)
};

class CModuleGadget : public CModuleWidget {
    DECLARE_DYNCREATE(CModuleGadget)
};

IMPLEMENT_DYNCREATE(CModuleWidget, CObject)
IMPLEMENT_DYNCREATE(CModuleGadget, CModuleWidget)

namespace {

AFX_EXTENSION_MODULE moduleRecord = {FALSE, nullptr, nullptr, nullptr};

struct ModuleEntry {
    ModuleEntry()
    {
        if (AfxInitExtensionModule(moduleRecord, nullptr))
            new CDynLinkLibrary(moduleRecord);
    }
    ~ModuleEntry() { AfxTermExtensionModule(moduleRecord); }
};

ModuleEntry entry;

}  // namespace

// Lets the test check that the record took over the module's classes.
extern "C" __attribute__((visibility("default"))) const AFX_EXTENSION_MODULE* AfxTestModuleRecord()
{
    return &moduleRecord;
}
