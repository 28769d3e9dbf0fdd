// Voucher campaigns: defaults, the running test, whether a document earns a voucher and what the
// voucher is worth, and loading and saving the campaign with its four lists.
#include "orvelmagdb/domain/promotions/DomainEmissioneBuono.h"

#include "odbc/Database.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldblib/ProcedureId.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/documents/DomainDocumento.h"
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoCompletaSet.h"
#include "orvelmagdb/recordsets/promotions/EmissioneBuonoSet.h"
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoCategoriaSet.h"
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoCausaleSet.h"
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoFamigliaSet.h"
#include "orvelmagdb/recordsets/promotions/detail/EmissioneBuonoGruppoSet.h"

namespace {

int ConfigInt(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key);
}

// Today at 00:00:00, local time: campaigns run by whole days.
COleDateTime Today()
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

// Items joined by ',' with one blank after the last, as they go into an IN ( ) list; empty for
// none.
template <class Array, class Format>
CString ValueList(const Array& items, Format&& format)
{
    CString list;
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        list += format(items.GetAt(i)) + ",";
    if (!list.IsEmpty())
        list.SetAt(list.GetLength() - 1, ' ');
    return list;
}

CString QuotedList(const CStringArray& ids)
{
    return ValueList(ids, [](const CString& id) {
        CString item;
        item.Format("'%s'", (LPCTSTR)CDomainClass::SetFilterParam(id));
        return item;
    });
}

// Appends to `ids` the id column of every link row of the campaign, in the column's order.
template <class LinkSet, class Array, class Member>
void LoadLinks(CDatabase* db, long idCampagna, const char* column, Array& ids, Member member)
{
    LinkSet rs(db);
    rs.m_strFilter.Format("ID_EMISSIONE_BUONO = %ld", idCampagna);
    rs.m_strSort = column;
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext())
        ids.Add(rs.*member);
    rs.Close();
}

// Replaces the stored link rows of the campaign with `ids`, in list order.
template <class LinkSet, class Array, class Member>
void WriteLinks(CDatabase* db, long idCampagna, const char* table, const Array& ids, Member member)
{
    CString sql;
    sql.Format("DELETE FROM %s WHERE ID_EMISSIONE_BUONO = %ld", table, idCampagna);
    db->ExecuteSQL(sql);
    LinkSet rs(db);
    rs.m_strFilter = "ID_EMISSIONE_BUONO IS NULL";
    rs.Open();
    for (INT_PTR i = 0; i < ids.GetSize(); ++i) {
        rs.AddNew();
        rs.ID_EMISSIONE_BUONO = idCampagna;
        rs.*member = ids.GetAt(i);
        rs.Update();
    }
    rs.Close();
}

}  // namespace

CDomainEmissioneBuono::CDomainEmissioneBuono(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneSconti(ConfigInt("precisione/sconti")),
      m_nPrecisioneTotali(ConfigInt("precisione/totali")),
      ID(-1),
      DATA_INIZIO(Today()),
      DATA_FINE(Today()),
      F_TIPO(TIPO_SCONTO),
      F_TIPO_ARTICOLI(ARTICOLI_TUTTI),
      NUMERO_PUNTI(0)
{
    const CUserAdministrator* user = CApplicationAdministrator::GetInstance()->GetUser();
    SOCIETA_ID = user->Get_ID_SOCIETA();
    SOCIETA_NOME = user->Get_NOME_SOCIETA();
    SOCIETA_RAGIONESOCIALE = user->Get_RAGIONE_SOCIALE_SOCIETA();
}

CDomainEmissioneBuono::CDomainEmissioneBuono(const CDomainEmissioneBuono& other) : CDomainClass(other)
{
    CopyData(other);
}

CDomainEmissioneBuono& CDomainEmissioneBuono::operator=(const CDomainEmissioneBuono& other)
{
    if (this != &other) {
        CDomainClass::operator=(other);
        CopyData(other);
    }
    return *this;
}

CDomainEmissioneBuono::~CDomainEmissioneBuono() = default;

void CDomainEmissioneBuono::CopyData(const CDomainEmissioneBuono& other)
{
    m_nPrecisioneSconti = other.m_nPrecisioneSconti;
    m_nPrecisioneTotali = other.m_nPrecisioneTotali;
    ID = other.ID;
    DATA_INIZIO = other.DATA_INIZIO;
    DATA_FINE = other.DATA_FINE;
    TESTO1 = other.TESTO1;
    TESTO2 = other.TESTO2;
    TESTO3 = other.TESTO3;
    Set_SCONTO(other.SCONTO);
    Set_IMPORTO(other.IMPORTO);
    F_TIPO = other.F_TIPO;
    F_TIPO_ARTICOLI = other.F_TIPO_ARTICOLI;
    Set_IMPORTO_SOGLIA(other.IMPORTO_SOGLIA);
    Set_IMPORTO_MASSIMO(other.IMPORTO_MASSIMO);
    NUMERO_PUNTI = other.NUMERO_PUNTI;
    SOCIETA_ID = other.SOCIETA_ID;
    SOCIETA_NOME = other.SOCIETA_NOME;
    SOCIETA_RAGIONESOCIALE = other.SOCIETA_RAGIONESOCIALE;
    m_causali = other.m_causali;
    m_categorie.Copy(other.m_categorie);
    m_famiglie.Copy(other.m_famiglie);
    m_gruppi.Copy(other.m_gruppi);
    m_totaleArticoli = RoundedTotal(other.m_totaleArticoli);
}

Decimal CDomainEmissioneBuono::RoundedDiscount(const Decimal& value) const
{
    return Amounts::Rounded(value, m_nPrecisioneSconti);
}

Decimal CDomainEmissioneBuono::RoundedTotal(const Decimal& value) const
{
    return Amounts::Rounded(value, m_nPrecisioneTotali);
}

void CDomainEmissioneBuono::Set_SCONTO(const Decimal& value) { SCONTO = RoundedDiscount(value); }
void CDomainEmissioneBuono::Set_IMPORTO(const Decimal& value) { IMPORTO = RoundedTotal(value); }
void CDomainEmissioneBuono::Set_IMPORTO_SOGLIA(const Decimal& value) { IMPORTO_SOGLIA = RoundedTotal(value); }
void CDomainEmissioneBuono::Set_IMPORTO_MASSIMO(const Decimal& value) { IMPORTO_MASSIMO = RoundedTotal(value); }

// An unset timestamp becomes the null date: no limit on that side.
void CDomainEmissioneBuono::Set_DATA_INIZIO(const TIMESTAMP_STRUCT& value)
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_INIZIO);
}

void CDomainEmissioneBuono::Set_DATA_FINE(const TIMESTAMP_STRUCT& value)
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(value, DATA_FINE);
}

CString CDomainEmissioneBuono::GetStrTipoBuonoSconto(long tipo)
{
    switch (tipo) {
    case TIPO_SCONTO:
        return "Sconto";
    case TIPO_IMPORTO:
        return "Importo";
    case TIPO_BENE:
        return "Bene";
    case TIPO_PUNTI:
        return "Punti";
    default:
        return "";
    }
}

bool CDomainEmissioneBuono::IsInCorso() const
{
    const COleDateTime today = Today();
    // Comparisons between a valid and a non-valid date are false, so an invalid date fails its
    // side while the null date (no limit) passes it.
    const bool started = DATA_INIZIO.GetStatus() == COleDateTime::null || DATA_INIZIO <= today;
    const bool notEnded = DATA_FINE.GetStatus() == COleDateTime::null || DATA_FINE >= today;
    return started && notEnded;
}

bool CDomainEmissioneBuono::CheckImporto(const Decimal& totale)
{
    if (totale < IMPORTO_SOGLIA)
        return false;
    if (totale <= IMPORTO_MASSIMO)
        return true;
    // Above the ceiling: only a ceiling of 0 or less (none) lets it through.
    return IMPORTO_MASSIMO <= Decimal(0L);
}

Decimal CDomainEmissioneBuono::GetValoreBuonoSconto(const Decimal& totale) const
{
    switch (F_TIPO) {
    case TIPO_SCONTO:
        return RoundedTotal(Amounts::PercentOf(totale, SCONTO));
    case TIPO_IMPORTO:
        return RoundedTotal(IMPORTO);
    default:
        return RoundedTotal(Decimal());
    }
}

long CDomainEmissioneBuono::GetPuntiBuonoSconto(const Decimal& totale) const
{
    // Points are counted in thresholds; a campaign without a positive threshold gives none rather
    // than dividing by zero or counting backwards.
    if (F_TIPO != TIPO_PUNTI || IMPORTO_SOGLIA <= Decimal(0L))
        return 0;
    return static_cast<long>((totale / IMPORTO_SOGLIA).Fixed());
}

bool CDomainEmissioneBuono::VerificaEmissioneBuono(const CDomainDocumento& documento)
{
    switch (F_TIPO_ARTICOLI) {
    case ARTICOLI_TUTTI:
        m_totaleArticoli = documento.Get_TOTALE();
        return CheckImporto(m_totaleArticoli);
    case ARTICOLI_SCELTI:
        return ContaArticoliScelti(documento.Get_ID()) && CheckImporto(m_totaleArticoli);
    default:
        return false;
    }
}

bool CDomainEmissioneBuono::ContaArticoliScelti(long idDocumento)
{
    const CString categorie = GetCategorieFilter();
    const CString famiglie = GetFamiglieFilter();
    const CString gruppi = GetGruppiFilter();
    if (categorie.IsEmpty() && famiglie.IsEmpty() && gruppi.IsEmpty())
        return false;

    // The lines as stored count, not those in memory. A line counts when its article belongs to a
    // listed category, family or group, or when the line itself carries one in INFO3..INFO5 (lines
    // of articles that are not in the register).
    CString sql;
    sql.Format("SELECT   SUM(V.TOTALE) AS TOTALE FROM   VOCI_DOCUMENTO_CALC V   "
               "LEFT JOIN ARTICOLO A ON V.ID_ARTICOLO = A.ID WHERE   ( V.ID_DOCUMENTO = %ld ) ",
               idDocumento);
    CString condition;
    const auto addPart = [&condition](const CString& list, const char* articleColumn, const char* lineColumn) {
        if (list.IsEmpty())
            return;
        CString part;
        part.Format(" ( ( %s IN (%s) ) OR ( %s IN (%s) ) ) ", articleColumn, (LPCTSTR)list, lineColumn,
                    (LPCTSTR)list);
        if (!condition.IsEmpty())
            condition += " OR ";
        condition += part;
    };
    addPart(categorie, "A.ID_CATEGORIA", "V.INFO3");
    addPart(famiglie, "A.ID_FAMIGLIA", "V.INFO4");
    addPart(gruppi, "A.ID_GRUPPO", "V.INFO5");
    sql += " AND ( " + condition + " ) ";

    return ReportDBErrors([&] {
        CODBCRecordset rs(GetDatabase());
        rs.Open(sql, CRecordset::forwardOnly, CRecordset::readOnly | CRecordset::executeDirect);
        const bool found = !rs.IsEOF();
        // No matching line gives a NULL sum, read as an empty text and so as 0.
        if (found)
            m_totaleArticoli = RoundedTotal(Decimal(rs.Field("TOTALE")->AsString(), 127));
        rs.Close();
        return found;
    });
}

CString CDomainEmissioneBuono::GetCausaliFilter() const
{
    return ValueList(m_causali, [](long id) {
        CString item;
        item.Format("%ld", id);
        return item;
    });
}

CString CDomainEmissioneBuono::GetCategorieFilter() const { return QuotedList(m_categorie); }
CString CDomainEmissioneBuono::GetFamiglieFilter() const { return QuotedList(m_famiglie); }
CString CDomainEmissioneBuono::GetGruppiFilter() const { return QuotedList(m_gruppi); }

bool CDomainEmissioneBuono::FromRecordset(const CEmissioneBuonoCompletaSet& rs)
{
    // NULL dates read as the null date (open-ended), NULL texts as empty.
    ID = rs.ID;
    DATA_INIZIO = rs.DATA_INIZIO;
    DATA_FINE = rs.DATA_FINE;
    TESTO1 = rs.TESTO1;
    TESTO2 = rs.TESTO2;
    TESTO3 = rs.TESTO3;
    Set_SCONTO(Decimal(rs.SCONTO, 127));
    Set_IMPORTO(Decimal(rs.IMPORTO, 127));
    F_TIPO = rs.F_TIPO;
    F_TIPO_ARTICOLI = rs.F_TIPO_ARTICOLI;
    Set_IMPORTO_SOGLIA(Decimal(rs.IMPORTO_SOGLIA, 127));
    Set_IMPORTO_MASSIMO(Decimal(rs.IMPORTO_MASSIMO, 127));
    NUMERO_PUNTI = rs.NUMERO_PUNTI;
    SOCIETA_ID = rs.SOCIETA_ID;
    SOCIETA_NOME = rs.SOCIETA_NOME;
    SOCIETA_RAGIONESOCIALE = rs.SOCIETA_RAGIONESOCIALE;
    return true;
}

void CDomainEmissioneBuono::ToRecordset(CEmissioneBuonoSet& rs)
{
    // Dates that are not valid and empty texts are stored as NULL by the recordset itself.
    rs.ID = ID;
    rs.DATA_INIZIO = DATA_INIZIO;
    rs.DATA_FINE = DATA_FINE;
    rs.TESTO1 = TESTO1;
    rs.TESTO2 = TESTO2;
    rs.TESTO3 = TESTO3;
    rs.SCONTO = ToStoredText(SCONTO);
    rs.IMPORTO = ToStoredText(IMPORTO);
    rs.F_TIPO = F_TIPO;
    rs.F_TIPO_ARTICOLI = F_TIPO_ARTICOLI;
    rs.IMPORTO_SOGLIA = ToStoredText(IMPORTO_SOGLIA);
    rs.IMPORTO_MASSIMO = ToStoredText(IMPORTO_MASSIMO);
    rs.ID_SOCIETA = SOCIETA_ID;
    rs.NUMERO_PUNTI = NUMERO_PUNTI;
}

bool CDomainEmissioneBuono::DB_Load()
{
    CDatabase* db = GetDatabase();
    CEmissioneBuonoCompletaSet rs(db);
    rs.m_strFilter.Format("ID = %ld AND SOCIETA_ID = %ld", ID, SOCIETA_ID);
    rs.Open();
    if (!rs.IsEOF())
        FromRecordset(rs);
    rs.Close();

    LoadLinks<CEmissioneBuonoCausaleSet>(db, ID, "ID_CAUSALE", m_causali, &CEmissioneBuonoCausaleSet::ID_CAUSALE);
    LoadLinks<CEmissioneBuonoCategoriaSet>(db, ID, "ID_CATEGORIA", m_categorie,
                                           &CEmissioneBuonoCategoriaSet::ID_CATEGORIA);
    LoadLinks<CEmissioneBuonoFamigliaSet>(db, ID, "ID_FAMIGLIA", m_famiglie, &CEmissioneBuonoFamigliaSet::ID_FAMIGLIA);
    LoadLinks<CEmissioneBuonoGruppoSet>(db, ID, "ID_GRUPPO", m_gruppi, &CEmissioneBuonoGruppoSet::ID_GRUPPO);
    return true;
}

bool CDomainEmissioneBuono::DB_Update(EDB_Operation op)
{
    CDatabase* db = GetDatabase();
    CString sql;
    if (op == DB_OPERATION_DELETE) {
        sql.Format("DELETE FROM EMISSIONE_BUONO WHERE ID = %ld AND ID_SOCIETA = %ld", ID, SOCIETA_ID);
        db->ExecuteSQL(sql);
        return true;
    }
    if (op != DB_OPERATION_ADDNEW && op != DB_OPERATION_EDIT)
        return false;

    // The row and its lists are one save: a controlling object brackets them itself, otherwise
    // the caller's transaction does.
    CTransactionGuard transaction(*this);
    CEmissioneBuonoSet rs(db);
    rs.m_strFilter.Format("ID = %ld AND ID_SOCIETA = %ld", ID, SOCIETA_ID);
    rs.Open();
    if (op == DB_OPERATION_ADDNEW) {
        CProcedureId procedure(db);
        procedure.Open("GET_ID_EMISSIONE_BUONO", 1, nullptr, 0);
        ID = procedure.GetId();
        procedure.Close();
        rs.AddNew();
    } else {
        rs.Edit();
    }
    ToRecordset(rs);
    rs.Update();
    rs.Close();

    WriteLinks<CEmissioneBuonoCausaleSet>(db, ID, "EMISSIONE_BUONO_CAUSALE", m_causali,
                                          &CEmissioneBuonoCausaleSet::ID_CAUSALE);
    WriteLinks<CEmissioneBuonoCategoriaSet>(db, ID, "EMISSIONE_BUONO_CATEGORIA", m_categorie,
                                            &CEmissioneBuonoCategoriaSet::ID_CATEGORIA);
    WriteLinks<CEmissioneBuonoFamigliaSet>(db, ID, "EMISSIONE_BUONO_FAMIGLIA", m_famiglie,
                                           &CEmissioneBuonoFamigliaSet::ID_FAMIGLIA);
    WriteLinks<CEmissioneBuonoGruppoSet>(db, ID, "EMISSIONE_BUONO_GRUPPO", m_gruppi,
                                         &CEmissioneBuonoGruppoSet::ID_GRUPPO);
    transaction.Commit();
    return true;
}
