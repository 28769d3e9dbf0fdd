// CDynLinkLibrary: the link of one initialised extension module into the process-wide chain
// that AfxFindRuntimeClass searches. It is created with new (never on the stack or as a member):
// its constructor hands the object to the chain, which owns it from then on and deletes it in
// AfxTermExtensionModule.
#pragma once

#include "afx/ExtensionModule.h"
#include "afx/Export.h"
#include "afx/Object.h"
#include "afx/Types.h"

class ORVEL_API CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    // Links the classes of an initialised module (a module not initialised links no class).
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;

    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    AFX_EXTENSION_MODULE* GetModule() const { return m_pModule; }
    BOOL IsSystem() const { return m_bSystem; }

    // Number of libraries in the chain, for diagnostics and tests.
    static int GetLinkedCount();

private:
    AFX_EXTENSION_MODULE* m_pModule;
    BOOL m_bSystem;
};
