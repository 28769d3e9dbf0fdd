// The extension-module record and its initialisation and termination, through which a shared
// library hands its classes to the process-wide registry.
//
// A library keeps one static AFX_EXTENSION_MODULE (trivially destructible, so it stays usable
// from any static destructor of the library). At load it calls AfxInitExtensionModule, which
// takes over the classes that the library's static initialisers registered (and those that
// register later from the same module), then creates one CDynLinkLibrary with new, which makes
// them visible to AfxFindRuntimeClass. At unload it calls AfxTermExtensionModule, which frees
// that CDynLinkLibrary; the classes are no longer found. All of it is thread-safe, and may run
// from static constructors/destructors or __attribute__((constructor/destructor)) functions.
#pragma once

#include "afx/Export.h"
#include "afx/RuntimeClass.h"
#include "afx/Types.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    // The module the record stands for: the start of the shared object that holds it (or the
    // handle given to AfxInitExtensionModule when it lies in no shared object).
    const void* hModule;
    const void* hResource;
    // The module's classes, linked through CRuntimeClass::m_pNextClass; kept by the registry.
    CRuntimeClass* pFirstSharedClass;
};

// Takes over the classes of the module: hInstance is any address inside the shared object (a
// function or a static of the library; nullptr means the module that holds the record).
// Returns FALSE, changing nothing, when the record is already initialised.
ORVEL_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, void* hInstance);

// Frees the CDynLinkLibrary objects of this module (of every module when bAll is TRUE), so
// that its classes are no longer found, and returns the record to its uninitialised state.
ORVEL_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
