// CDynLinkLibrary: hands itself to the registry's chain, which owns it from then on.
#include "afx/DynLinkLibrary.h"

#include "afx/detail/ClassRegistry.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem) : m_pModule(&state), m_bSystem(bSystem)
{
    // Last statement: once linked, the chain owns (and will delete) this object.
    afx_detail::ClassRegistry::Instance().Link(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    // Deleted directly rather than through AfxTermExtensionModule: leave the chain first.
    afx_detail::ClassRegistry::Instance().Detach(this);
}

int CDynLinkLibrary::GetLinkedCount()
{
    return afx_detail::ClassRegistry::Instance().LinkedCount();
}
