// Library entry: extension-module registration at load and unload.
#include "orvelmagdb/module/Library.h"

#include <cstdio>

#include "afx/DynLinkLibrary.h"
#include "afx/ExtensionModule.h"

namespace {

// The library's one extension-module record. It is trivially destructible, so it is still valid
// when the unload entry runs during static destruction.
AFX_EXTENSION_MODULE OrvelMagDbDLL = {};

__attribute__((constructor)) void OnLibraryLoad()
{
    if (OrvelMagDbDllMain(nullptr, DLL_PROCESS_ATTACH, nullptr) == 0)
        std::fputs("OrvelMagDb: the library's classes could not be registered\n", stderr);
}

__attribute__((destructor)) void OnLibraryUnload()
{
    OrvelMagDbDllMain(nullptr, DLL_PROCESS_DETACH, nullptr);
}

}  // namespace

const char* OrvelMagDbVersion()
{
    return ORVEL_VERSION_TEXT;
}

extern "C" int OrvelMagDbDllMain(void* hInstance, DWORD reason, void* /*reserved*/)
{
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(OrvelMagDbDLL, hInstance != nullptr ? hInstance : &OrvelMagDbDLL))
            return 0;
        // The chain owns the link from here on; AfxTermExtensionModule frees it.
        new CDynLinkLibrary(OrvelMagDbDLL, FALSE);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(OrvelMagDbDLL, FALSE);
    }
    return 1;
}
