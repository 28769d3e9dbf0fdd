// Promotions: defaults, copying with rounding, the row mapping of each kind, load and save, the
// running test against today and the discount each kind gives on one unit.
#include "orvelmagdb/domain/promotions/DomainPromozione.h"

#include "odbc/Database.h"
#include "orveldblib/ProcedureId.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/recordsets/promotions/PromozioneCompletaSet.h"
#include "orvelmagdb/recordsets/promotions/PromozioneSet.h"

namespace {

int ConfigInt(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key);
}

// The current local date at 00:00.
COleDateTime Today()
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

// 1 + rate / 100: what a net amount is multiplied by to include VAT.
Decimal VatFactor(const Decimal& aliquotaIva)
{
    return Decimal(1) + Amounts::Fraction(aliquotaIva);
}

Decimal Stored(const CString& text, int decimals)
{
    return Amounts::Rounded(Decimal(text, 127), decimals);
}

void WriteLong(CRecordset& rs, long& field, long value)
{
    rs.SetFieldNull(&field, FALSE);
    field = value;
}

void WriteDecimal(CRecordset& rs, CString& field, const Decimal& value)
{
    rs.SetFieldNull(&field, FALSE);
    field = ToStoredText(value);
}

}  // namespace

CDomainPromozione::CDomainPromozione(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisionePrezzi(ConfigInt("precisione/prezzi")),
      m_nPrecisioneSconti(ConfigInt("precisione/sconti")),
      m_nPrecisioneQuantita(ConfigInt("precisione/quantita")),
      ID(-1),
      TIPO_PROMOZIONE(-1),
      DATA_INIZIO(Today()),
      DATA_FINE(Today()),
      DESCRIZIONE("SCONTO PROMOZIONE"),
      F_TIPO_PREZZO_PROMOZIONE(0),
      MXN_PARTE_M(1),
      F_TIPO_SCONTO_EURO(0),
      F_SUBTOTALE(0)
{
    const CUserAdministrator* user = CApplicationAdministrator::GetInstance()->GetUser();
    ID_SOCIETA = user->Get_ID_SOCIETA();
    NOME_SOCIETA = user->Get_NOME_SOCIETA();
    RAGIONESOCIALE_SOCIETA = user->Get_RAGIONE_SOCIALE_SOCIETA();
    RoundAll();
}

CDomainPromozione::CDomainPromozione(const CDomainPromozione& other) : CDomainClass(other)
{
    CopyData(other);
}

CDomainPromozione& CDomainPromozione::operator=(const CDomainPromozione& other)
{
    if (this != &other) {
        CDomainClass::operator=(other);
        CopyData(other);
    }
    return *this;
}

CDomainPromozione::~CDomainPromozione() = default;

void CDomainPromozione::CopyData(const CDomainPromozione& other)
{
    m_nPrecisionePrezzi = other.m_nPrecisionePrezzi;
    m_nPrecisioneSconti = other.m_nPrecisioneSconti;
    m_nPrecisioneQuantita = other.m_nPrecisioneQuantita;
    ID = other.ID;
    TIPO_PROMOZIONE = other.TIPO_PROMOZIONE;
    DATA_INIZIO = other.DATA_INIZIO;
    DATA_FINE = other.DATA_FINE;
    DESCRIZIONE = other.DESCRIZIONE;
    PREZZO_PROMOZIONE = other.PREZZO_PROMOZIONE;
    F_TIPO_PREZZO_PROMOZIONE = other.F_TIPO_PREZZO_PROMOZIONE;
    SCONTO_1_PROMOZIONE = other.SCONTO_1_PROMOZIONE;
    SCONTO_2_PROMOZIONE = other.SCONTO_2_PROMOZIONE;
    SCONTO_3_PROMOZIONE = other.SCONTO_3_PROMOZIONE;
    SCONTO_4_PROMOZIONE = other.SCONTO_4_PROMOZIONE;
    MXN_PARTE_M = other.MXN_PARTE_M;
    MXN_PARTE_N = other.MXN_PARTE_N;
    ID_SOCIETA = other.ID_SOCIETA;
    NOME_SOCIETA = other.NOME_SOCIETA;
    RAGIONESOCIALE_SOCIETA = other.RAGIONESOCIALE_SOCIETA;
    SCONTO_EURO = other.SCONTO_EURO;
    F_TIPO_SCONTO_EURO = other.F_TIPO_SCONTO_EURO;
    F_SUBTOTALE = other.F_SUBTOTALE;
    RoundAll();
}

void CDomainPromozione::RoundAll()
{
    PREZZO_PROMOZIONE.Round3(m_nPrecisionePrezzi);
    SCONTO_EURO.Round3(m_nPrecisionePrezzi);
    for (Decimal* sconto : {&SCONTO_1_PROMOZIONE, &SCONTO_2_PROMOZIONE, &SCONTO_3_PROMOZIONE, &SCONTO_4_PROMOZIONE})
        sconto->Round3(m_nPrecisioneSconti);
    MXN_PARTE_M.Round3(m_nPrecisioneQuantita);
    MXN_PARTE_N.Round3(m_nPrecisioneQuantita);
}

void CDomainPromozione::Set_DATA_INIZIO(const TIMESTAMP_STRUCT& value)
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_INIZIO);
}

void CDomainPromozione::Set_DATA_FINE(const TIMESTAMP_STRUCT& value)
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_FINE);
}

void CDomainPromozione::Get_TIPO_PROMOZIONE(CString& label) const
{
    switch (TIPO_PROMOZIONE) {
    case TIPO_PREZZO_FISSO: label = "Prezzo fisso"; break;
    case TIPO_SCONTO_PERCENTUALE: label = "Sconto %"; break;
    case TIPO_MXN: label = "M x N"; break;
    case TIPO_SCONTO_EURO: label = "Sconto €"; break;
    default: break;
    }
}

Decimal CDomainPromozione::Get_QtaScontoMerce() const
{
    return MXN_PARTE_M - MXN_PARTE_N;
}

// Dates are compared as they are stored: a start at 09:00 today is later than today at 00:00 and
// so counts from tomorrow, while an end at any time today is not earlier than today.
bool CDomainPromozione::IsInCorso() const
{
    const COleDateTime today = Today();
    const bool started = DATA_INIZIO.GetStatus() == COleDateTime::valid && DATA_INIZIO <= today;
    const bool notEnded = DATA_FINE.GetStatus() == COleDateTime::null ||
                          (DATA_FINE.GetStatus() == COleDateTime::valid && DATA_FINE >= today);
    return started && notEnded;
}

Decimal CDomainPromozione::CalcolaImportoSconto(const Decimal& prezzoIvato, const Decimal& aliquotaIva,
                                                bool ivaInclusa) const
{
    Decimal sconto;
    switch (TIPO_PROMOZIONE) {
    case TIPO_PREZZO_FISSO: {
        Decimal prezzo = PREZZO_PROMOZIONE;
        if (F_TIPO_PREZZO_PROMOZIONE == 1)
            prezzo = prezzo * VatFactor(aliquotaIva);
        sconto = prezzoIvato - prezzo;
        break;
    }
    case TIPO_SCONTO_PERCENTUALE:
        sconto = prezzoIvato - prezzoIvato * Amounts::CascadeFactor({SCONTO_1_PROMOZIONE, SCONTO_2_PROMOZIONE,
                                                                     SCONTO_3_PROMOZIONE, SCONTO_4_PROMOZIONE});
        break;
    case TIPO_MXN:
        sconto = prezzoIvato * (MXN_PARTE_M - MXN_PARTE_N);
        break;
    case TIPO_SCONTO_EURO:
        sconto = SCONTO_EURO;
        if (F_TIPO_SCONTO_EURO == 1)
            sconto = SCONTO_EURO * VatFactor(aliquotaIva);
        break;
    default:
        break;
    }
    if (!ivaInclusa)
        sconto = sconto / VatFactor(aliquotaIva);
    return Amounts::Rounded(sconto, m_nPrecisionePrezzi);
}

Decimal CDomainPromozione::CalcolaImportoSconto(CDomainArticolo& articolo, bool ivaInclusa) const
{
    return CalcolaImportoSconto(articolo.Get_PREZZO_PZ_EURO_IVATO(), articolo.Get_ALIQUOTA_IVA(), ivaInclusa);
}

Decimal CDomainPromozione::CalcolaImportoSconto(const CString& idArticolo, bool ivaInclusa) const
{
    CDomainArticolo articolo(GetDatabase());
    articolo.Set_ID(idArticolo);
    articolo.DB_Load();
    return CalcolaImportoSconto(articolo, ivaInclusa);
}

bool CDomainPromozione::DB_Load()
{
    return ReportDBErrors([&] {
        CPromozioneCompletaSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %ld AND ID_SOCIETA = %ld", ID, ID_SOCIETA);
        rs.Open();
        if (!rs.IsEOF())
            FromRecordset(rs);
        rs.Close();
        return true;
    });
}

bool CDomainPromozione::FromRecordset(CPromozioneCompletaSet& rs)
{
    ID = rs.IsFieldNull(&rs.ID) ? -1 : rs.ID;
    TIPO_PROMOZIONE = rs.IsFieldNull(&rs.TIPO_PROMOZIONE) ? -1 : rs.TIPO_PROMOZIONE;
    DATA_INIZIO = rs.DATA_INIZIO;
    DATA_FINE = rs.DATA_FINE;
    if (rs.IsFieldNull(&rs.DATA_FINE))
        DATA_FINE.SetStatus(COleDateTime::null);
    DESCRIZIONE = rs.DESCRIZIONE;

    const bool knownKind = TIPO_PROMOZIONE >= TIPO_PREZZO_FISSO && TIPO_PROMOZIONE <= TIPO_SCONTO_EURO;
    MXN_PARTE_M = knownKind ? Stored(rs.MXN_PARTE_M, m_nPrecisioneQuantita) : Decimal();
    PREZZO_PROMOZIONE = SCONTO_1_PROMOZIONE = SCONTO_2_PROMOZIONE = SCONTO_3_PROMOZIONE = SCONTO_4_PROMOZIONE =
        MXN_PARTE_N = SCONTO_EURO = Decimal();
    switch (TIPO_PROMOZIONE) {
    case TIPO_PREZZO_FISSO:
        PREZZO_PROMOZIONE = Stored(rs.PREZZO_PROMOZIONE, m_nPrecisionePrezzi);
        F_TIPO_PREZZO_PROMOZIONE = rs.F_TIPO_PREZZO_PROMOZIONE;
        break;
    case TIPO_SCONTO_PERCENTUALE:
        SCONTO_1_PROMOZIONE = Stored(rs.SCONTO_1_PROMOZIONE, m_nPrecisioneSconti);
        SCONTO_2_PROMOZIONE = Stored(rs.SCONTO_2_PROMOZIONE, m_nPrecisioneSconti);
        SCONTO_3_PROMOZIONE = Stored(rs.SCONTO_3_PROMOZIONE, m_nPrecisioneSconti);
        SCONTO_4_PROMOZIONE = Stored(rs.SCONTO_4_PROMOZIONE, m_nPrecisioneSconti);
        break;
    case TIPO_MXN:
        MXN_PARTE_N = Stored(rs.MXN_PARTE_N, m_nPrecisioneQuantita);
        break;
    case TIPO_SCONTO_EURO:
        SCONTO_EURO = Stored(rs.SCONTO_EURO, m_nPrecisionePrezzi);
        F_TIPO_SCONTO_EURO = rs.F_TIPO_SCONTO_EURO;
        break;
    default:
        break;
    }

    ID_SOCIETA = rs.IsFieldNull(&rs.ID_SOCIETA) ? -1 : rs.ID_SOCIETA;
    NOME_SOCIETA = rs.NOME_SOCIETA;
    RAGIONESOCIALE_SOCIETA = rs.RAGIONESOCIALE_SOCIETA;
    F_SUBTOTALE = rs.F_SUBTOTALE;
    return true;
}

void CDomainPromozione::ToRecordset(CPromozioneSet& rs)
{
    WriteLong(rs, rs.ID, ID);
    if (TIPO_PROMOZIONE == -1)
        rs.SetFieldNull(&rs.TIPO_PROMOZIONE);
    else
        WriteLong(rs, rs.TIPO_PROMOZIONE, TIPO_PROMOZIONE);
    // Dates that are not valid (a null end date above all) go in as NULL.
    From_COleDateTime_To_TIMESTAMP_STRUCT(DATA_INIZIO, rs.DATA_INIZIO);
    if (DATA_INIZIO.GetStatus() != COleDateTime::valid)
        rs.SetFieldNull(&rs.DATA_INIZIO);
    From_COleDateTime_To_TIMESTAMP_STRUCT(DATA_FINE, rs.DATA_FINE);
    if (DATA_FINE.GetStatus() != COleDateTime::valid)
        rs.SetFieldNull(&rs.DATA_FINE);
    rs.DESCRIZIONE = DESCRIZIONE;
    if (DESCRIZIONE.IsEmpty())
        rs.SetFieldNull(&rs.DESCRIZIONE);

    // The other kinds' amounts are cleared so that a promotion whose kind changed keeps no
    // stale values; their flag columns are left as they are.
    for (CString* column : {&rs.MXN_PARTE_M, &rs.PREZZO_PROMOZIONE, &rs.SCONTO_1_PROMOZIONE, &rs.SCONTO_2_PROMOZIONE,
                            &rs.SCONTO_3_PROMOZIONE, &rs.SCONTO_4_PROMOZIONE, &rs.MXN_PARTE_N, &rs.SCONTO_EURO})
        rs.SetFieldNull(column);
    switch (TIPO_PROMOZIONE) {
    case TIPO_PREZZO_FISSO:
        WriteDecimal(rs, rs.PREZZO_PROMOZIONE, PREZZO_PROMOZIONE);
        WriteLong(rs, rs.F_TIPO_PREZZO_PROMOZIONE, F_TIPO_PREZZO_PROMOZIONE);
        break;
    case TIPO_SCONTO_PERCENTUALE:
        WriteDecimal(rs, rs.SCONTO_1_PROMOZIONE, SCONTO_1_PROMOZIONE);
        WriteDecimal(rs, rs.SCONTO_2_PROMOZIONE, SCONTO_2_PROMOZIONE);
        WriteDecimal(rs, rs.SCONTO_3_PROMOZIONE, SCONTO_3_PROMOZIONE);
        WriteDecimal(rs, rs.SCONTO_4_PROMOZIONE, SCONTO_4_PROMOZIONE);
        break;
    case TIPO_MXN:
        WriteDecimal(rs, rs.MXN_PARTE_N, MXN_PARTE_N);
        break;
    case TIPO_SCONTO_EURO:
        WriteDecimal(rs, rs.SCONTO_EURO, SCONTO_EURO);
        WriteLong(rs, rs.F_TIPO_SCONTO_EURO, F_TIPO_SCONTO_EURO);
        break;
    default:
        break;
    }
    if (TIPO_PROMOZIONE >= TIPO_PREZZO_FISSO && TIPO_PROMOZIONE <= TIPO_SCONTO_EURO)
        WriteDecimal(rs, rs.MXN_PARTE_M, MXN_PARTE_M);

    if (ID_SOCIETA < 1)
        rs.SetFieldNull(&rs.ID_SOCIETA);
    else
        WriteLong(rs, rs.ID_SOCIETA, ID_SOCIETA);
    WriteLong(rs, rs.F_SUBTOTALE, F_SUBTOTALE);
}

bool CDomainPromozione::DB_Update(EDB_Operation op)
{
    return ReportDBErrors([&] {
        if (op == DB_OPERATION_DELETE) {
            CString sql;
            sql.Format("DELETE FROM PROMOZIONE WHERE ID = %ld AND ID_SOCIETA = %ld", ID, ID_SOCIETA);
            GetDatabase()->ExecuteSQL(sql);
            return true;
        }
        CPromozioneSet rs(GetDatabase());
        rs.m_strFilter.Format("ID = %d AND ID_SOCIETA = %ld", static_cast<int>(ID), ID_SOCIETA);
        rs.Open();
        if (op == DB_OPERATION_ADDNEW) {
            CProcedureId newId(GetDatabase());
            newId.Open("GET_ID_PROMOZIONE", 1, nullptr, 0);
            ID = newId.m_ID;
            newId.Close();
            rs.AddNew();
        } else {
            // Editing a promotion whose row is gone is a database error, shown like any other.
            rs.Edit();
        }
        ToRecordset(rs);
        rs.Update();
        rs.Close();
        return true;
    });
}
