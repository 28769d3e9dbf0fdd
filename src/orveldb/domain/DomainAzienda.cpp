// Business partners: loading a partner with its band and price list.
#include "orveldb/domain/DomainAzienda.h"

#include "odbc/DBException.h"
#include "orveldb/recordsets/AziendaScontoCompletoSet.h"
#include "orveldb/recordsets/AziendaSet.h"
#include "orveldlglib/ApplicationAdministrator.h"

namespace {

Decimal Rounded(const Decimal& value, int precision)
{
    Decimal result(value);
    result.Round3(precision);
    return result;
}

}  // namespace

CDomainAzienda::CDomainAzienda(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneSconti(CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/sconti")),
      ID(-1),
      F_TIPO_RAPPORTO(0),
      ID_FORMULA_PAGAMENTO(-1)
{
}

CDomainAzienda::CDomainAzienda(const CDomainAzienda& other) = default;
CDomainAzienda& CDomainAzienda::operator=(const CDomainAzienda& other) = default;
CDomainAzienda::~CDomainAzienda() = default;

void CDomainAzienda::Set_SCONTO_SCONTO_1(const Decimal& value) { SCONTO_SCONTO_1 = Rounded(value, m_nPrecisioneSconti); }
void CDomainAzienda::Set_SCONTO_SCONTO_2(const Decimal& value) { SCONTO_SCONTO_2 = Rounded(value, m_nPrecisioneSconti); }
void CDomainAzienda::Set_SCONTO_SCONTO_3(const Decimal& value) { SCONTO_SCONTO_3 = Rounded(value, m_nPrecisioneSconti); }
void CDomainAzienda::Set_SCONTO_SCONTO_4(const Decimal& value) { SCONTO_SCONTO_4 = Rounded(value, m_nPrecisioneSconti); }
void CDomainAzienda::Set_SCONTO_PROVVIGIONE(const Decimal& value)
{
    SCONTO_PROVVIGIONE = Rounded(value, m_nPrecisioneSconti);
}

void CDomainAzienda::FromRecordset(CAziendaSet& rs)
{
    ID = rs.ID;
    RAGIONESOCIALE = rs.RAGIONESOCIALE;
    PARTITAIVA = rs.PARTITAIVA;
    CODICEFISCALE = rs.CODICEFISCALE;
    F_TIPO_RAPPORTO = rs.IsFieldNull(&rs.F_TIPO_RAPPORTO) ? 0 : rs.F_TIPO_RAPPORTO;
    ID_FORMULA_PAGAMENTO = rs.IsFieldNull(&rs.ID_FORMULA_PAGAMENTO) ? -1 : rs.ID_FORMULA_PAGAMENTO;
}

void CDomainAzienda::FromRecordset(CAziendaScontoCompletoSet& rs)
{
    SCONTO_ID = rs.SCONTO_ID;
    SCONTO_DESCRIZIONE = rs.SCONTO_DESCRIZIONE;
    Set_SCONTO_SCONTO_1(Decimal(rs.SCONTO_SCONTO_1, 127));
    Set_SCONTO_SCONTO_2(Decimal(rs.SCONTO_SCONTO_2, 127));
    Set_SCONTO_SCONTO_3(Decimal(rs.SCONTO_SCONTO_3, 127));
    Set_SCONTO_SCONTO_4(Decimal(rs.SCONTO_SCONTO_4, 127));
    Set_SCONTO_PROVVIGIONE(Decimal(rs.SCONTO_PROVVIGIONE, 127));
    LISTINO_ID = rs.LISTINO_ID;
    LISTINO_DESCRIZIONE = rs.LISTINO_DESCRIZIONE;
}

bool CDomainAzienda::DB_Load()
{
    if (ID <= 0)
        return false;
    return ReportDBErrors([&] {
        CAziendaSet partner(GetDatabase());
        partner.m_strFilter.Format("ID = %ld", ID);
        partner.Open();
        if (partner.IsEOF())
            return false;
        FromRecordset(partner);
        partner.Close();

        CAziendaScontoCompletoSet band(GetDatabase());
        band.m_strFilter.Format("ID = %ld", ID);
        band.Open();
        if (!band.IsEOF())
            FromRecordset(band);
        band.Close();
        return true;
    });
}
