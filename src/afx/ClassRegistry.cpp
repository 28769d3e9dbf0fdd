// The process-wide class registry (see ClassRegistry.h).
#include "afx/detail/ClassRegistry.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "afx/DynLinkLibrary.h"

namespace afx_detail {

ClassRegistry& ClassRegistry::Instance()
{
    // Built in static storage on first use and never destroyed: modules unload in any order,
    // and their static destructors still unregister classes here.
    alignas(ClassRegistry) static unsigned char storage[sizeof(ClassRegistry)];
    static ClassRegistry* const instance = new (storage) ClassRegistry();
    return *instance;
}

const void* ClassRegistry::ModuleOf(const void* address)
{
    Dl_info info{};
    if (address != nullptr && dladdr(address, &info) != 0 && info.dli_fbase != nullptr)
        return info.dli_fbase;
    return address;
}

void ClassRegistry::removeFromList(AFX_EXTENSION_MODULE& state, const CRuntimeClass* pClass)
{
    for (CRuntimeClass** link = &state.pFirstSharedClass; *link != nullptr; link = &(*link)->m_pNextClass) {
        if (*link == pClass) {
            *link = pClass->m_pNextClass;
            const_cast<CRuntimeClass*>(pClass)->m_pNextClass = nullptr;
            return;
        }
    }
}

void ClassRegistry::Register(CRuntimeClass* pClass, const void* module)
{
    if (pClass == nullptr)
        return;
    std::lock_guard lock(m_mutex);
    for (AFX_EXTENSION_MODULE* state : m_modules) {
        if (state->hModule == module) {
            pClass->m_pNextClass = nullptr;
            CRuntimeClass** link = &state->pFirstSharedClass;
            while (*link != nullptr) {
                if (*link == pClass)
                    return;  // already there
                link = &(*link)->m_pNextClass;
            }
            *link = pClass;
            return;
        }
    }
    for (const Pending& p : m_pending)
        if (p.cls == pClass)
            return;
    m_pending.push_back({module, pClass});
}

void ClassRegistry::Unregister(CRuntimeClass* pClass)
{
    if (pClass == nullptr)
        return;
    std::lock_guard lock(m_mutex);
    std::erase_if(m_pending, [pClass](const Pending& p) { return p.cls == pClass; });
    for (AFX_EXTENSION_MODULE* state : m_modules)
        removeFromList(*state, pClass);
}

BOOL ClassRegistry::InitModule(AFX_EXTENSION_MODULE& state, const void* module)
{
    std::lock_guard lock(m_mutex);
    if (state.bInitialized || std::find(m_modules.begin(), m_modules.end(), &state) != m_modules.end())
        return FALSE;
    state.hModule = module;
    state.hResource = module;
    state.pFirstSharedClass = nullptr;
    CRuntimeClass** tail = &state.pFirstSharedClass;
    auto taken = std::stable_partition(m_pending.begin(), m_pending.end(),
                                       [module](const Pending& p) { return p.module != module; });
    for (auto it = taken; it != m_pending.end(); ++it) {
        it->cls->m_pNextClass = nullptr;
        *tail = it->cls;
        tail = &it->cls->m_pNextClass;
    }
    m_pending.erase(taken, m_pending.end());
    state.bInitialized = TRUE;
    m_modules.push_back(&state);
    return TRUE;
}

std::vector<std::unique_ptr<CDynLinkLibrary>> ClassRegistry::TermModule(AFX_EXTENSION_MODULE& state, bool all)
{
    std::vector<std::unique_ptr<CDynLinkLibrary>> freed;
    std::lock_guard lock(m_mutex);
    for (auto it = m_chain.begin(); it != m_chain.end();) {
        if (all || (*it)->GetModule() == &state) {
            freed.push_back(std::move(*it));
            it = m_chain.erase(it);
        } else {
            ++it;
        }
    }
    if (std::erase(m_modules, &state) > 0) {
        CRuntimeClass* next = nullptr;
        for (CRuntimeClass* c = state.pFirstSharedClass; c != nullptr; c = next) {
            next = c->m_pNextClass;
            c->m_pNextClass = nullptr;
        }
    }
    state.pFirstSharedClass = nullptr;
    state.bInitialized = FALSE;
    return freed;
}

void ClassRegistry::Link(CDynLinkLibrary* library)
{
    std::lock_guard lock(m_mutex);
    m_chain.reserve(m_chain.size() + 1);
    m_chain.insert(m_chain.begin(), std::unique_ptr<CDynLinkLibrary>(library));
}

void ClassRegistry::Detach(const CDynLinkLibrary* library)
{
    std::lock_guard lock(m_mutex);
    for (auto it = m_chain.begin(); it != m_chain.end(); ++it) {
        if (it->get() == library) {
            static_cast<void>(it->release());  // its destructor is already running
            m_chain.erase(it);
            return;
        }
    }
}

int ClassRegistry::LinkedCount()
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_chain.size());
}

void ClassRegistry::visibleLocked(std::vector<CRuntimeClass*>& out) const
{
    std::vector<const AFX_EXTENSION_MODULE*> seen;
    for (const auto& library : m_chain) {
        const AFX_EXTENSION_MODULE* state = library->GetModule();
        // A library whose record was never initialised (or was terminated) links nothing.
        if (std::find(m_modules.begin(), m_modules.end(), state) == m_modules.end() ||
            std::find(seen.begin(), seen.end(), state) != seen.end())
            continue;
        seen.push_back(state);
        for (CRuntimeClass* c = state->pFirstSharedClass; c != nullptr; c = c->m_pNextClass)
            out.push_back(c);
    }
    for (const Pending& p : m_pending)
        out.push_back(p.cls);
}

std::vector<CRuntimeClass*> ClassRegistry::Visible()
{
    std::vector<CRuntimeClass*> out;
    std::lock_guard lock(m_mutex);
    visibleLocked(out);
    return out;
}

CRuntimeClass* ClassRegistry::Find(const char* name)
{
    if (name == nullptr)
        return nullptr;
    std::vector<CRuntimeClass*> visible;
    std::lock_guard lock(m_mutex);
    visibleLocked(visible);
    for (CRuntimeClass* c : visible)
        if (c->m_lpszClassName != nullptr && std::strcmp(c->m_lpszClassName, name) == 0)
            return c;
    return nullptr;
}

}  // namespace afx_detail
