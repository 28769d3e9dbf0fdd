// Coin and banknote kinds with a count: face value from the database, total on request.
#include "orveldb/domain/DomainPezzoMoneta.h"

#include "odbc/DBException.h"
#include "orveldb/recordsets/PezzoMonetaSet.h"

CDomainPezzoMoneta::CDomainPezzoMoneta(CDatabase* pDatabase)
    : CDomainClass(pDatabase), ID_PEZZO_MONETA(-1), NUMERO_MONETE(0)
{
}

CDomainPezzoMoneta::CDomainPezzoMoneta(const CDomainPezzoMoneta& other) = default;
CDomainPezzoMoneta& CDomainPezzoMoneta::operator=(const CDomainPezzoMoneta& other) = default;
CDomainPezzoMoneta::~CDomainPezzoMoneta() = default;

Decimal CDomainPezzoMoneta::Get_TOTALE_VALORE() const
{
    return VALORE_MONETA * Decimal(NUMERO_MONETE);
}

void CDomainPezzoMoneta::FromRecordset(const CPezzoMonetaSet& rs)
{
    ID_PEZZO_MONETA = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    VALORE_MONETA = Decimal(rs.VALORE, 127);
}

bool CDomainPezzoMoneta::DB_Load()
{
    if (ID_PEZZO_MONETA <= 0)
        return false;
    return ReportDBErrors([&] {
        CPezzoMonetaSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld", ID_PEZZO_MONETA);
        rs.Open();
        if (rs.IsEOF())
            return false;
        FromRecordset(rs);
        rs.Close();
        return true;
    });
}
