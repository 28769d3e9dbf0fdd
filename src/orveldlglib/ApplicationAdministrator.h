// CApplicationAdministrator: the one process-wide entry to the configuration store and the
// current-user record. The library asks for it again on every read and never keeps the pointers.
#pragma once

#include "afx/Export.h"
#include "orveldlglib/ConfigAdministrator.h"
#include "orveldlglib/UserAdministrator.h"

class ORVEL_API CApplicationAdministrator {
public:
    // The same object on every call, for the life of the process.
    static CApplicationAdministrator* GetInstance();

    CConfigAdministrator* GetConfig() { return &m_config; }
    CUserAdministrator* GetUser() { return &m_user; }

    // Loads a key=value file into the configuration and then takes the current user's values
    // from the "utente/..." keys found there.
    void LoadConfigFile(const CString& path);

    CApplicationAdministrator(const CApplicationAdministrator&) = delete;
    CApplicationAdministrator& operator=(const CApplicationAdministrator&) = delete;

private:
    CApplicationAdministrator() = default;

    CConfigAdministrator m_config;
    CUserAdministrator m_user;
};
