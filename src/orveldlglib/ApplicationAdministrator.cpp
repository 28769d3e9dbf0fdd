// The process-wide administration object.
#include "orveldlglib/ApplicationAdministrator.h"

CApplicationAdministrator* CApplicationAdministrator::GetInstance()
{
    // Built on first use; thread-safe initialisation is guaranteed by the language.
    static CApplicationAdministrator instance;
    return &instance;
}

void CApplicationAdministrator::LoadConfigFile(const CString& path)
{
    m_config.LoadFile(path);
    m_user.LoadFromConfig(m_config);
}
