// CUserAdministrator: who is working. The current company, its site, the default depot, the agent
// of the site and the company's names, which new documents, schedules, bills, promotions and
// voucher issues take. The host sets them after its own login.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"

class CConfigAdministrator;

class ORVEL_API CUserAdministrator {
public:
    long Get_ID_SOCIETA() const { return m_idSocieta; }
    long Get_ID_SEDE_SOCIETA() const { return m_idSedeSocieta; }
    long Get_ID_DEPOSITO() const { return m_idDeposito; }
    long Get_ID_AGENTE() const { return m_idAgente; }
    const CString& Get_NOME_SOCIETA() const { return m_nomeSocieta; }
    const CString& Get_RAGIONE_SOCIALE_SOCIETA() const { return m_ragioneSociale; }

    void Set_ID_SOCIETA(long id) { m_idSocieta = id; }
    void Set_ID_SEDE_SOCIETA(long id) { m_idSedeSocieta = id; }
    void Set_ID_DEPOSITO(long id) { m_idDeposito = id; }
    void Set_ID_AGENTE(long id) { m_idAgente = id; }
    void Set_NOME_SOCIETA(const CString& name) { m_nomeSocieta = name; }
    void Set_RAGIONE_SOCIALE_SOCIETA(const CString& name) { m_ragioneSociale = name; }

    // Takes the values present among the configuration keys "utente/id_societa",
    // "utente/id_sede_societa", "utente/id_deposito", "utente/id_agente", "utente/nome_societa"
    // and "utente/ragione_sociale_societa"; values whose key is absent are left as they are.
    void LoadFromConfig(const CConfigAdministrator& config);

    // Back to nobody: ids -1 (none), names empty.
    void Reset();

private:
    long m_idSocieta = -1;
    long m_idSedeSocieta = -1;
    long m_idDeposito = -1;
    long m_idAgente = -1;
    CString m_nomeSocieta;
    CString m_ragioneSociale;
};
