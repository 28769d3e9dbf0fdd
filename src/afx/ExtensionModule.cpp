// Initialisation and termination of extension modules (see ExtensionModule.h).
#include "afx/ExtensionModule.h"

#include "afx/detail/ClassRegistry.h"
#include "afx/DynLinkLibrary.h"

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, void* hInstance)
{
    const void* where = hInstance != nullptr ? hInstance : static_cast<const void*>(&state);
    return afx_detail::ClassRegistry::Instance().InitModule(state, afx_detail::ClassRegistry::ModuleOf(where));
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    // The libraries are destroyed here, after the registry's lock has been released.
    auto freed = afx_detail::ClassRegistry::Instance().TermModule(state, bAll != FALSE);
    freed.clear();
}
