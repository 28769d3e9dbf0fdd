// Lots: numbering within the year, the thirteen-digit lot code, and the LOTTO table.
#include "orvelmagdb/domain/articles/DomainLotto.h"

#include <cstdlib>

#include "odbc/DBException.h"
#include "orveldblib/EANCode.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/recordsets/stock/LottoCompletoSet.h"
#include "orvelmagdb/recordsets/stock/detail/LottoSet.h"

namespace {

// The widest year and number a code can carry: four and eight digits.
constexpr long kLastYear = 9999;
constexpr long kLastNumber = 99999999;

// The twelve digits of year and number that the check digit is computed on.
CString CodeDigits(long anno, long numero)
{
    CString digits;
    digits.Format("%04ld%08ld", anno, numero);
    return digits;
}

}  // namespace

CDomainLotto::CDomainLotto(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneQuantita(
          CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/quantita")),
      ANNO(-1),
      NUMERO(-1),
      DATA_CREAZIONE(COleDateTime::GetCurrentTime()),
      F_CHIUSO(0)
{
    if (DATA_CREAZIONE.GetStatus() == COleDateTime::valid)
        ANNO = DATA_CREAZIONE.GetYear();
    DATA_SCADENZA.SetStatus(COleDateTime::null);
}

CDomainLotto::CDomainLotto(const CDomainLotto& other) = default;
CDomainLotto& CDomainLotto::operator=(const CDomainLotto& other) = default;
CDomainLotto::~CDomainLotto() = default;

void CDomainLotto::Get_NUMERO(CString& text, bool padded) const
{
    text.Format(padded ? "%08ld" : "%ld", NUMERO);
}

void CDomainLotto::Set_ANNO(long value)
{
    ANNO = value;
    CalcolaCheckDigit();
}

void CDomainLotto::Set_ANNO(const CString& value)
{
    Set_ANNO(std::atol(value.GetString()));
}

void CDomainLotto::Set_NUMERO(long value)
{
    NUMERO = value;
    CalcolaCheckDigit();
}

void CDomainLotto::Set_NUMERO(const CString& value)
{
    Set_NUMERO(std::atol(value.GetString()));
}

void CDomainLotto::Set_QUANTITA_CARICATA(const Decimal& value)
{
    QUANTITA_CARICATA = value;
    QUANTITA_CARICATA.Round3(m_nPrecisioneQuantita);
}

void CDomainLotto::Set_QUANTITA_SCARICATA(const Decimal& value)
{
    QUANTITA_SCARICATA = value;
    QUANTITA_SCARICATA.Round3(m_nPrecisioneQuantita);
}

Decimal CDomainLotto::Get_GIACENZA() const
{
    return QUANTITA_CARICATA - QUANTITA_SCARICATA;
}

// A year or number too wide for the code has no check digit either: the digit computed last is
// kept, as it is while either is unset.
void CDomainLotto::CalcolaCheckDigit()
{
    if (ANNO < 1 || NUMERO < 1 || ANNO > kLastYear || NUMERO > kLastNumber)
        return;
    const char digit[2] = {CEANCode::GetEAN13CheckDigit(CodeDigits(ANNO, NUMERO).GetString()), '\0'};
    CHECK_DIGIT = digit;
}

CString CDomainLotto::Get_CODICE() const
{
    CString code;
    if (ANNO < 1 && NUMERO < 1)
        return code;
    code.Format("%04ld%08ld%.1s", ANNO, NUMERO, CHECK_DIGIT.GetString());
    return code;
}

void CDomainLotto::Set_CODICE(const CString& code)
{
    if (code.IsEmpty()) {
        ANNO = -1;
        NUMERO = -1;
    } else {
        ANNO = GetAnnoFromCodice(code);
        NUMERO = GetNumeroFromCodice(code);
    }
    CalcolaCheckDigit();
}

CString CDomainLotto::GetCodiceLotto(long anno, long numero)
{
    CString code;
    if (anno <= 0 && numero < 1)
        return code;
    if (anno < 0 || anno > kLastYear || numero < 0 || numero > kLastNumber)
        return code;
    code = CodeDigits(anno, numero);
    code += CEANCode::GetEAN13CheckDigit(code.GetString());
    return code;
}

long CDomainLotto::GetAnnoFromCodice(const CString& code)
{
    return code.IsEmpty() ? -1 : std::atol(code.Left(4).GetString());
}

long CDomainLotto::GetNumeroFromCodice(const CString& code)
{
    return code.IsEmpty() ? -1 : std::atol(code.Mid(4, 8).GetString());
}

long CDomainLotto::GetCheckDigitFromCodice(const CString& code)
{
    return code.IsEmpty() ? -1 : std::atol(code.Right(1).GetString());
}

// Numbers are not reserved: two lots numbered before either is saved get the same number. The
// caller that numbers and saves in one transaction under a writer lock cannot meet that.
void CDomainLotto::GeneraNumeroLotto()
{
    NUMERO = -1;
    ReportDBErrors([&] {
        CString sql;
        sql.Format("SELECT MAX(NUMERO) AS NUMERO FROM LOTTO WHERE (ANNO = %ld)", ANNO);
        CODBCRecordset rs(GetDatabase());
        rs.Open(sql, CRecordset::forwardOnly, CRecordset::readOnly | CRecordset::executeDirect);
        const bool found = !rs.IsEOF() && !rs.Field("NUMERO")->IsNull();
        const long next = found ? rs.Field("NUMERO")->AsLong() + 1 : 1;
        rs.Close();
        NUMERO = next;
        return true;
    });
    CalcolaCheckDigit();
}

void CDomainLotto::FromRecordset(const CLottoCompletoSet& rs)
{
    Set_ANNO(rs.ANNO);
    Set_NUMERO(rs.NUMERO);
    DATA_CREAZIONE = rs.DATA_CREAZIONE;
    DATA_SCADENZA = rs.DATA_SCADENZA;
    ARTICOLO_ID = rs.ARTICOLO_ID;
    ARTICOLO_DESCRIZIONE = rs.ARTICOLO_DESCRIZIONE;
    Set_QUANTITA_CARICATA(Decimal(rs.QUANTITA_CARICATA, 127));
    Set_QUANTITA_SCARICATA(Decimal(rs.QUANTITA_SCARICATA, 127));
    F_CHIUSO = rs.F_CHIUSO;
    CODICE_FORNITORE = rs.CODICE_FORNITORE;
}

void CDomainLotto::FromRecordset(const CLottoSet& rs)
{
    Set_ANNO(rs.ANNO);
    Set_NUMERO(rs.NUMERO);
    DATA_CREAZIONE = rs.DATA_CREAZIONE;
    DATA_SCADENZA = rs.DATA_SCADENZA;
    ARTICOLO_ID = rs.ID_ARTICOLO;
    Set_QUANTITA_CARICATA(Decimal(rs.QUANTITA_CARICATA, 127));
    Set_QUANTITA_SCARICATA(Decimal(rs.QUANTITA_SCARICATA, 127));
    F_CHIUSO = rs.F_CHIUSO;
    CODICE_FORNITORE = rs.CODICE_FORNITORE;
}

// F_MODIFICA_MANUALE is left to the save: 0 for a new lot, 1 once it has been edited.
void CDomainLotto::ToRecordset(CLottoSet& rs) const
{
    rs.ANNO = ANNO;
    rs.NUMERO = NUMERO;
    rs.DATA_CREAZIONE = DATA_CREAZIONE;
    if (DATA_SCADENZA.GetStatus() != COleDateTime::valid) {
        rs.SetFieldNull(&rs.DATA_SCADENZA);
    } else {
        rs.SetFieldNull(&rs.DATA_SCADENZA, FALSE);
        rs.DATA_SCADENZA = DATA_SCADENZA;
    }
    rs.ID_ARTICOLO = ARTICOLO_ID;
    rs.F_CHIUSO = F_CHIUSO;
    rs.CODICE_FORNITORE = CODICE_FORNITORE;
    rs.QUANTITA_CARICATA = ToStoredText(QUANTITA_CARICATA);
    rs.QUANTITA_SCARICATA = ToStoredText(QUANTITA_SCARICATA);
}

// Year and number are the key even while unset: a lot without them simply has no row.
bool CDomainLotto::DB_Load()
{
    return ReportDBErrors([&] {
        CLottoCompletoSet rs(GetDatabase());
        rs.m_strFilter.Format("(ANNO = %ld) AND (NUMERO = %ld)", ANNO, NUMERO);
        rs.Open();
        if (rs.IsEOF())
            return false;
        FromRecordset(rs);
        rs.Close();
        return true;
    });
}

// Unlike most objects, a lot that has no row to edit or delete answers false: the caller asked
// for a lot that is not there.
bool CDomainLotto::DB_Update(EDB_Operation op)
{
    if (op != DB_OPERATION_ADDNEW && op != DB_OPERATION_EDIT && op != DB_OPERATION_DELETE)
        return true;
    return ReportDBErrors([&] {
        CLottoSet rs(GetDatabase());
        if (op == DB_OPERATION_ADDNEW)
            rs.m_strFilter = "(ANNO = -1) AND (NUMERO = -1)";
        else
            rs.m_strFilter.Format("(ANNO = %ld) AND (NUMERO = %ld)", ANNO, NUMERO);
        rs.Open();
        switch (op) {
        case DB_OPERATION_ADDNEW:
            rs.AddNew();
            rs.SetFieldNull(&rs.F_MODIFICA_MANUALE, FALSE);
            rs.F_MODIFICA_MANUALE = 0;
            ToRecordset(rs);
            rs.Update();
            break;
        case DB_OPERATION_EDIT:
            if (rs.IsEOF()) {
                rs.Close();
                return false;
            }
            rs.Edit();
            rs.SetFieldNull(&rs.F_MODIFICA_MANUALE, FALSE);
            rs.F_MODIFICA_MANUALE = 1;
            ToRecordset(rs);
            rs.Update();
            break;
        case DB_OPERATION_DELETE:
            if (rs.IsEOF()) {
                rs.Close();
                return false;
            }
            rs.Delete();
            break;
        }
        rs.Close();
        return true;
    });
}
