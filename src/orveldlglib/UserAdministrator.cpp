// Current-user record, optionally filled from the configuration store.
#include "orveldlglib/UserAdministrator.h"

#include "orveldlglib/ConfigAdministrator.h"

void CUserAdministrator::LoadFromConfig(const CConfigAdministrator& config)
{
    auto takeLong = [&config](const char* key, long& target) {
        if (config.HasParam(key))
            target = config.GetParamAsLong(key);
    };
    auto takeText = [&config](const char* key, CString& target) {
        if (config.HasParam(key))
            target = config.GetParam(key);
    };
    takeLong("utente/id_societa", m_idSocieta);
    takeLong("utente/id_sede_societa", m_idSedeSocieta);
    takeLong("utente/id_deposito", m_idDeposito);
    takeLong("utente/id_agente", m_idAgente);
    takeText("utente/nome_societa", m_nomeSocieta);
    takeText("utente/ragione_sociale_societa", m_ragioneSociale);
}

void CUserAdministrator::Reset()
{
    *this = CUserAdministrator();
}
