// The library's entry and identity. Loading the shared library registers its classes with the
// process-wide class registry (so a host can find "CIvaSet" or "CDomainArticolo" by name);
// unloading unregisters them. Nothing else happens at load: no thread, no timer, no state.
#pragma once

#include "afx/Export.h"
#include "afx/Types.h"

#define ORVEL_VERSION_TEXT "0.1.0"

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

// The library's version as "major.minor.patch".
ORVEL_API const char* OrvelMagDbVersion();

// The entry the loader calls: on process attach it initialises the library's extension module
// and links it into the framework's chain, returning 0 when the module cannot be initialised
// (for instance when it already is); on process detach it terminates the module; thread attach
// and detach do nothing. Every case but a failed attach returns 1. The shared library calls it
// itself when it is loaded and unloaded.
extern "C" ORVEL_API int OrvelMagDbDllMain(void* hInstance, DWORD reason, void* reserved);
