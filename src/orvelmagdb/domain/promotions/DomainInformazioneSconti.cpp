// Discount information: a band plus the price list to charge, and the texts that show them.
#include "orvelmagdb/domain/promotions/DomainInformazioneSconti.h"

#include "odbc/DBException.h"
#include "orveldb/domain/DomainAzienda.h"
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"
#include "orveldb/recordsets/ListinoSet.h"
#include "orveldb/recordsets/ScontoSet.h"

CDomainInformazioneSconti::CDomainInformazioneSconti(CDatabase* pDatabase) : CDomainFasciaSconto(pDatabase) {}

CDomainInformazioneSconti::CDomainInformazioneSconti(const CDomainInformazioneSconti& other)
    : CDomainFasciaSconto(other),
      ID_LISTINO(other.ID_LISTINO),
      DESCRIZIONE_LISTINO(other.DESCRIZIONE_LISTINO)
{
}

CDomainInformazioneSconti& CDomainInformazioneSconti::operator=(const CDomainInformazioneSconti& other)
{
    if (this != &other) {
        CDomainFasciaSconto::operator=(other);
        ID_LISTINO = other.ID_LISTINO;
        DESCRIZIONE_LISTINO = other.DESCRIZIONE_LISTINO;
    }
    return *this;
}

CDomainInformazioneSconti& CDomainInformazioneSconti::operator=(const CDomainFasciaSconto& other)
{
    CDomainFasciaSconto::operator=(other);
    return *this;
}

CDomainInformazioneSconti::~CDomainInformazioneSconti() = default;

void CDomainInformazioneSconti::FromDomain(const CDomainAzienda* pAzienda)
{
    if (pAzienda == nullptr)
        return;
    ID_LISTINO = pAzienda->Get_LISTINO_ID();
    DESCRIZIONE_LISTINO = pAzienda->Get_LISTINO_DESCRIZIONE();
    ID = pAzienda->Get_SCONTO_ID();
    DESCRIZIONE = pAzienda->Get_SCONTO_DESCRIZIONE();
    Set_SCONTO_1(pAzienda->Get_SCONTO_SCONTO_1());
    Set_SCONTO_2(pAzienda->Get_SCONTO_SCONTO_2());
    Set_SCONTO_3(pAzienda->Get_SCONTO_SCONTO_3());
    Set_SCONTO_4(pAzienda->Get_SCONTO_SCONTO_4());
    Set_PROVVIGIONE(pAzienda->Get_SCONTO_PROVVIGIONE());
    F_PREDEFINITO = 0;
}

void CDomainInformazioneSconti::FromRecordset(CScontoSet& rs)
{
    CDomainFasciaSconto::FromRecordset(rs);
}

void CDomainInformazioneSconti::FromRecordset(CAziendaScontoCompletoSet& rs)
{
    CDomainFasciaSconto::FromRecordset(rs);
    ID_LISTINO = rs.LISTINO_ID;
    DESCRIZIONE_LISTINO = rs.LISTINO_DESCRIZIONE;
}

void CDomainInformazioneSconti::FromRecordset(CListinoSet& rs)
{
    ID_LISTINO = rs.ID;
    DESCRIZIONE_LISTINO = rs.DESCRIZIONE;
}

bool CDomainInformazioneSconti::DB_Load_LISTINO()
{
    DESCRIZIONE_LISTINO.Empty();
    if (ID_LISTINO.IsEmpty())
        return false;
    return ReportDBErrorText([&] {
        CListinoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = '%s'", (LPCTSTR)SetFilterParam(ID_LISTINO));
        rs.Open();
        if (rs.IsEOF())
            return false;
        FromRecordset(rs);
        rs.Close();
        return true;
    });
}

CString CDomainInformazioneSconti::GetDescrizioneListino() const
{
    if (ID_LISTINO.IsEmpty())
        return GetDescrizioneListinoUfficiale();
    if (ID_LISTINO == GetIDListinoUltimoPrezzo())
        return GetDescrizioneListinoUltimoPrezzo();
    return ID_LISTINO + " - " + DESCRIZIONE_LISTINO;
}

CString CDomainInformazioneSconti::GetDescrizioneListinoUfficiale()
{
    return "UFF - LISTINO UFFICIALE";
}

CString CDomainInformazioneSconti::GetDescrizioneListinoUltimoPrezzo()
{
    return "UP - ULTIMO PREZZO";
}

CString CDomainInformazioneSconti::GetIDListinoUltimoPrezzo()
{
    return "-ULTIMOPREZZO-";
}
