// Discount bands: loading, reading from the band views, copying and the display text.
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"

#include "afx/Locale.h"
#include "odbc/DBException.h"
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"
#include "orveldb/recordsets/ScontoSet.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/recordsets/articles/CategoriaScontoCompletoSet.h"
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoCompSet.h"

namespace {

int ConfigInt(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key);
}

}  // namespace

CDomainFasciaSconto::CDomainFasciaSconto(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneSconti(ConfigInt("precisione/sconti")),
      m_nNumeroSconti(ConfigInt("default/sconti/numero")),
      m_nProvvigione(ConfigInt("magazzino/provvigione")),
      F_PREDEFINITO(0)
{
    SCONTO_1 = Rounded(SCONTO_1);
    SCONTO_2 = Rounded(SCONTO_2);
    SCONTO_3 = Rounded(SCONTO_3);
    SCONTO_4 = Rounded(SCONTO_4);
    PROVVIGIONE = Rounded(PROVVIGIONE);
}

// A copy keeps the configuration values of the band it copies, not those in force now; only the
// percentages are brought to that precision once more.
CDomainFasciaSconto::CDomainFasciaSconto(const CDomainFasciaSconto& other)
    : CDomainClass(other),
      m_nPrecisioneSconti(other.m_nPrecisioneSconti),
      m_nNumeroSconti(other.m_nNumeroSconti),
      m_nProvvigione(other.m_nProvvigione),
      F_PREDEFINITO(0)
{
    CopyFrom(other, true);
}

CDomainFasciaSconto& CDomainFasciaSconto::operator=(const CDomainFasciaSconto& other)
{
    if (this != &other) {
        CDomainClass::operator=(other);
        CopyFrom(other, false);
    }
    return *this;
}

CDomainFasciaSconto::~CDomainFasciaSconto() = default;

void CDomainFasciaSconto::CopyFrom(const CDomainFasciaSconto& other, bool round)
{
    m_nPrecisioneSconti = other.m_nPrecisioneSconti;
    m_nNumeroSconti = other.m_nNumeroSconti;
    m_nProvvigione = other.m_nProvvigione;
    ID = other.ID;
    DESCRIZIONE = other.DESCRIZIONE;
    SCONTO_1 = round ? Rounded(other.SCONTO_1) : other.SCONTO_1;
    SCONTO_2 = round ? Rounded(other.SCONTO_2) : other.SCONTO_2;
    SCONTO_3 = round ? Rounded(other.SCONTO_3) : other.SCONTO_3;
    SCONTO_4 = round ? Rounded(other.SCONTO_4) : other.SCONTO_4;
    PROVVIGIONE = round ? Rounded(other.PROVVIGIONE) : other.PROVVIGIONE;
    F_PREDEFINITO = other.F_PREDEFINITO;
}

Decimal CDomainFasciaSconto::Rounded(const Decimal& value) const
{
    Decimal result(value);
    result.Round3(m_nPrecisioneSconti);
    return result;
}

void CDomainFasciaSconto::Set_SCONTO_1(const Decimal& value) { SCONTO_1 = Rounded(value); }
void CDomainFasciaSconto::Set_SCONTO_2(const Decimal& value) { SCONTO_2 = Rounded(value); }
void CDomainFasciaSconto::Set_SCONTO_3(const Decimal& value) { SCONTO_3 = Rounded(value); }
void CDomainFasciaSconto::Set_SCONTO_4(const Decimal& value) { SCONTO_4 = Rounded(value); }
void CDomainFasciaSconto::Set_PROVVIGIONE(const Decimal& value) { PROVVIGIONE = Rounded(value); }

void CDomainFasciaSconto::AssignRow(const CString& id, const CString& descrizione, const CString& sconto1,
                                    const CString& sconto2, const CString& sconto3, const CString& sconto4,
                                    const CString& provvigione, long predefinito)
{
    ID = id;
    DESCRIZIONE = descrizione;
    Set_SCONTO_1(Decimal(sconto1, 127));
    Set_SCONTO_2(Decimal(sconto2, 127));
    Set_SCONTO_3(Decimal(sconto3, 127));
    Set_SCONTO_4(Decimal(sconto4, 127));
    Set_PROVVIGIONE(Decimal(provvigione, 127));
    F_PREDEFINITO = predefinito;
}

void CDomainFasciaSconto::FromRecordset(CCategoriaScontoCompletoSet& rs)
{
    // A row whose flag is NULL is not the category's default band.
    const long predefinito = rs.IsFieldNull(&rs.F_PREDEFINITO) ? 0 : rs.F_PREDEFINITO;
    AssignRow(rs.SCONTO_ID, rs.SCONTO_DESCRIZIONE, rs.SCONTO_1, rs.SCONTO_2, rs.SCONTO_3, rs.SCONTO_4,
              rs.PROVVIGIONE, predefinito);
}

void CDomainFasciaSconto::FromRecordset(CSoggettoCategoriaScontoCompSet& rs)
{
    AssignRow(rs.SCONTO_ID, rs.SCONTO_DESCRIZIONE, rs.SCONTO_1, rs.SCONTO_2, rs.SCONTO_3, rs.SCONTO_4,
              rs.PROVVIGIONE, 0);
}

void CDomainFasciaSconto::FromRecordset(CScontoSet& rs)
{
    AssignRow(rs.ID, rs.DESCRIZIONE, rs.SCONTO_1, rs.SCONTO_2, rs.SCONTO_3, rs.SCONTO_4, rs.PROVVIGIONE, 0);
}

void CDomainFasciaSconto::FromRecordset(CAziendaScontoCompletoSet& rs)
{
    AssignRow(rs.SCONTO_ID, rs.SCONTO_DESCRIZIONE, rs.SCONTO_SCONTO_1, rs.SCONTO_SCONTO_2, rs.SCONTO_SCONTO_3,
              rs.SCONTO_SCONTO_4, rs.SCONTO_PROVVIGIONE, 0);
}

bool CDomainFasciaSconto::DB_Load()
{
    DESCRIZIONE.Empty();
    SCONTO_1 = 0L;
    SCONTO_2 = 0L;
    SCONTO_3 = 0L;
    SCONTO_4 = 0L;
    PROVVIGIONE = 0L;
    if (ID.IsEmpty())
        return false;
    return ReportDBErrors([&] {
        CScontoSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = '%s'", (LPCTSTR)SetFilterParam(ID));
        rs.Open();
        if (!rs.IsEOF())
            FromRecordset(rs);
        rs.Close();
        return true;
    });
}

CString CDomainFasciaSconto::GetDescrizioneFasciaSconto() const
{
    if (ID.IsEmpty())
        return GetDescrizioneFasciaScontoNessuna();

    // Percentages are shown as the user reads numbers, without trailing zeros.
    const LCID display = GetSystemDefaultLCID();
    CString sconti;
    if (m_nNumeroSconti >= 1 && m_nNumeroSconti <= 4) {
        const Decimal* const discounts[] = {&SCONTO_1, &SCONTO_2, &SCONTO_3, &SCONTO_4};
        for (int i = 0; i < m_nNumeroSconti; ++i)
            sconti += discounts[i]->ToString2(display, true) + "% ";
    }
    CString provvigione;
    if (m_nProvvigione != 0)
        provvigione = PROVVIGIONE.ToString2(display, true) + "%";

    CString text = ID + " | " + DESCRIZIONE;
    if (!sconti.IsEmpty())
        text += " | SC. " + sconti;
    if (!provvigione.IsEmpty())
        text += " | PR. " + provvigione;
    return text;
}

CString CDomainFasciaSconto::GetDescrizioneFasciaScontoNessuna()
{
    return "NN - NESSUNA FASCIA SCONTO";
}
