// The process-wide class registry behind CRuntimeClass lookups, extension modules and
// CDynLinkLibrary. Internal to the library.
//
// A class registered by its module's static initialisers waits in the pending list, tagged
// with its module (the start of the shared object that holds it, found with dladdr). When the
// module's record is initialised it takes over the pending classes of that module, and classes
// of that module that register later go straight to it. A CDynLinkLibrary links a record into
// the chain; lookups search the linked records, newest first, then the pending classes (the
// host's own and those of modules not initialised). One mutex guards everything; the registry
// is never destroyed, so static destructors of any module may still call it at unload.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "afx/Export.h"
#include "afx/ExtensionModule.h"
#include "afx/RuntimeClass.h"

class CDynLinkLibrary;

namespace afx_detail {

class ORVEL_LOCAL ClassRegistry {
public:
    static ClassRegistry& Instance();

    // The start of the shared object that contains address, or address itself when it lies in
    // no loaded object.
    static const void* ModuleOf(const void* address);

    void Register(CRuntimeClass* pClass, const void* module);
    void Unregister(CRuntimeClass* pClass);

    BOOL InitModule(AFX_EXTENSION_MODULE& state, const void* module);
    // Takes the libraries to free out of the chain; the caller destroys them outside the lock.
    std::vector<std::unique_ptr<CDynLinkLibrary>> TermModule(AFX_EXTENSION_MODULE& state, bool all);

    // Takes ownership of a library under construction; throws (owning nothing) only when memory
    // runs out, so that the new-expression that is creating it frees it alone.
    void Link(CDynLinkLibrary* library);
    // Called by a library's destructor: forgets it without deleting it (no-op when not linked).
    void Detach(const CDynLinkLibrary* library);
    int LinkedCount();

    // The classes lookups can see, in search order.
    std::vector<CRuntimeClass*> Visible();
    CRuntimeClass* Find(const char* name);

private:
    struct Pending {
        const void* module;
        CRuntimeClass* cls;
    };

    ClassRegistry() = default;
    void visibleLocked(std::vector<CRuntimeClass*>& out) const;
    static void removeFromList(AFX_EXTENSION_MODULE& state, const CRuntimeClass* pClass);

    std::mutex m_mutex;
    std::vector<Pending> m_pending;
    std::vector<AFX_EXTENSION_MODULE*> m_modules;                 // initialised records
    std::vector<std::unique_ptr<CDynLinkLibrary>> m_chain;        // newest first
};

}  // namespace afx_detail
