// The article: construction with the configured defaults, the accessors that round, the row
// mapping with its NULL rules, the save of the ARTICOLO row, the related loads, the owned
// collections (suppliers, alternative codes, alternative units), the key lookups and code
// generation, the price formulas with the setters that run the price chain, the picture lookup and
// the discount band that applies to the article for a partner.
#include "orvelmagdb/domain/articles/DomainArticolo.h"

#include <climits>
#include <cstdlib>
#include <iterator>

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldblib/Base36Numeric.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"
#include "orvelmagdb/recordsets/articles/ARTICOLO_FORNITORE_COMPLETO.h"
#include "orvelmagdb/recordsets/articles/ArticoloCompletoSet.h"
#include "orvelmagdb/recordsets/articles/ArticoloSet.h"
#include "orvelmagdb/recordsets/articles/CategoriaScontoCompletoSet.h"
#include "orvelmagdb/recordsets/articles/CodiceAlternativoArticolo.h"
#include "orvelmagdb/recordsets/articles/SoggettoCategoriaScontoCompSet.h"
#include "orvelmagdb/recordsets/articles/detail/ARTICOLO_FORNITORE.h"
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

namespace {

CConfigAdministrator* Config() { return CApplicationAdministrator::GetInstance()->GetConfig(); }

// Density is kept to five decimals whatever the other precisions are.
constexpr int kPrecisioneDensita = 5;

Decimal Rounded(const CString& text, int decimals)
{
    Decimal value(text, 127);
    value.Round3(decimals);
    return value;
}

// Writes an optional text: NULL when empty, as the table expects of missing references.
void TextOrNull(CRecordset& rs, CString& field, const CString& value)
{
    field = value;
    if (value.IsEmpty())
        rs.SetFieldNull(&field);
}

// Writes a long that is always present, so it is never left NULL by an insert.
void LongValue(CRecordset& rs, long& field, long value)
{
    field = value;
    rs.SetFieldNull(&field, FALSE);
}

}  // namespace

CDomainArticolo::CDomainArticolo(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      PEZZI_X_CONFEZIONE("1"),
      UM(Config()->GetParam("default/documento/unitamisura")),
      CODICE_CASSA_IVA(0),
      F_PUBBLICA(1),
      FOR_PREZZO_VENDITA_ID(-1),
      FOR_COSTO_NETTO_ID(-1),
      GESTISCI_DENSITA(0),
      ID_TIPO_ARTICOLO(1),
      F_RIPORTA_NOTE(0),
      F_GESTISCI_GIACENZE(1),
      F_STAMPA_IN_SCONTRINO(1),
      F_GESTISCI_LOTTI(1),
      F_MODIFICATO(1),
      m_moltiplicatoreListino(Config()->GetParam("default/articolo/moltiplicatorelistino"), 127),
      m_nPrecisionePrezzi(Config()->GetParamAsInt("precisione/prezzi")),
      m_nPrecisioneIva(Config()->GetParamAsInt("precisione/iva")),
      m_nPrecisioneSconti(Config()->GetParamAsInt("precisione/sconti")),
      m_nPrecisioneTotali(Config()->GetParamAsInt("precisione/totali")),
      m_listaUmAlternative(pDatabase)
{
}

CDomainArticolo::CDomainArticolo(const CDomainArticolo& other) : CDomainClass(other)
{
    *this = other;
}

CDomainArticolo& CDomainArticolo::operator=(const CDomainArticolo& other) = default;

CDomainArticolo::~CDomainArticolo() = default;

// ---- accessors ----

const CString& CDomainArticolo::Get_CODICE_EAN() const { return CODICE_EAN; }

CString& CDomainArticolo::Ref_CODICE_EAN() { return CODICE_EAN; }

void CDomainArticolo::Set_CODICE_EAN(const CString& value) { CODICE_EAN = value; }

void CDomainArticolo::Set_ID(const CString& value)
{
    ID = value;
    m_listaUmAlternative.SetArticolo(value);
}

void CDomainArticolo::Set_ALIQUOTA_IVA(const Decimal& value)
{
    ALIQUOTA_IVA = value;
    ALIQUOTA_IVA.Round3(m_nPrecisioneIva);
}

void CDomainArticolo::Set_ALIQUOTA_IVA(const CString& value) { Set_ALIQUOTA_IVA(Decimal(value, 127)); }

void CDomainArticolo::Set_SCONTO_VEND1(const Decimal& value) { (SCONTO_VEND1 = value).Round3(m_nPrecisioneSconti); }
void CDomainArticolo::Set_SCONTO_VEND2(const Decimal& value) { (SCONTO_VEND2 = value).Round3(m_nPrecisioneSconti); }
void CDomainArticolo::Set_SCONTO_VEND3(const Decimal& value) { (SCONTO_VEND3 = value).Round3(m_nPrecisioneSconti); }
void CDomainArticolo::Set_SCONTO_VEND4(const Decimal& value) { (SCONTO_VEND4 = value).Round3(m_nPrecisioneSconti); }

void CDomainArticolo::Set_SCONTO_PREZZO_IMPOSTO(const Decimal& value)
{
    (SCONTO_PREZZO_IMPOSTO = value).Round3(m_nPrecisioneSconti);
}

void CDomainArticolo::Set_PREZZO_IMPOSTO_IVATO(const Decimal& value)
{
    (PREZZO_IMPOSTO_IVATO = value).Round3(m_nPrecisionePrezzi);
}

void CDomainArticolo::Set_DENSITA(const Decimal& value)
{
    if (GESTISCI_DENSITA == 1)
        (DENSITA = value).Round3(kPrecisioneDensita);
}

void CDomainArticolo::Set_GESTISCI_DENSITA(int value)
{
    if (value == 0 && GESTISCI_DENSITA == 1)
        (DENSITA = Decimal()).Round3(kPrecisioneDensita);
    GESTISCI_DENSITA = value;
}

// ---- rounding pass ----

void CDomainArticolo::ImpostaPrecisioni()
{
    ALIQUOTA_IVA.Round3(m_nPrecisioneIva);
    PREZZO_ACQ_LISTINO_EURO.Round3(m_nPrecisionePrezzi);
    PREZZO_ACQ_PZ_EURO.Round3(m_nPrecisionePrezzi);
    PREZZO_PZ_EURO.Round3(m_nPrecisionePrezzi);
    PREZZO_PZ_EURO_IVATO.Round3(m_nPrecisionePrezzi);
    SCONTO_1.Round3(m_nPrecisioneSconti);
    SCONTO_2.Round3(m_nPrecisioneSconti);
    SCONTO_3.Round3(m_nPrecisioneSconti);
    SCONTO_4.Round3(m_nPrecisioneSconti);
    SCONTO_PREZZO_IMPOSTO.Round3(m_nPrecisioneSconti);
    // The mark-up takes one decimal more than prices, at the price precision in force now.
    RICARICO.Round3(Config()->GetParamAsInt("precisione/prezzi") + 1);
    PREZZO_IMPOSTO_IVATO.Round3(m_nPrecisionePrezzi);
}

// ---- row mapping ----

void CDomainArticolo::FromRecordset(CArticoloCompletoSet& rs)
{
    Set_ID(rs.ID);
    Set_CODICE_EAN(rs.CODICE_EAN);
    CODICE_INTERNO = rs.CODICE_INTERNO;
    DESCRIZIONE = rs.DESCRIZIONE;
    DESCRIZIONE_RIDOTTA = rs.DESCRIZIONE_RIDOTTA;
    FILEFOTO = rs.FILEFOTO;
    PEZZI_X_CONFEZIONE = rs.PEZZI_X_CONFEZIONE;
    UM = rs.UM;
    ID_IVA = rs.ID_IVA;
    DESCRIZIONE_IVA = rs.DESCRIZIONE_IVA;
    ID_CATEGORIA = rs.ID_CATEGORIA;
    DESCRIZIONE_CATEGORIA = rs.CATEGORIA;
    ID_FAMIGLIA = rs.ID_FAMIGLIA;
    DESCRIZIONE_FAMIGLIA = rs.FAMIGLIA;
    ID_GRUPPO = rs.ID_GRUPPO;
    DESCRIZIONE_GRUPPO = rs.GRUPPO;
    ID_REPARTO = rs.ID_REPARTO;
    DESCRIZIONE_REPARTO = rs.REPARTO;
    NOTE = rs.NOTE;
    INFO_STR1 = rs.INFO_STR1;
    INFO_STR2 = rs.INFO_STR2;
    INFO_STR3 = rs.INFO_STR3;
    INFO_STR4 = rs.INFO_STR4;
    INFO_STR5 = rs.INFO_STR5;
    INFO_NUM1 = rs.INFO_NUM1;
    INFO_NUM2 = rs.INFO_NUM2;
    INFO_NUM3 = rs.INFO_NUM3;
    INFO_NUM4 = rs.INFO_NUM4;
    INFO_NUM5 = rs.INFO_NUM5;

    ALIQUOTA_IVA = Rounded(rs.ALIQUOTA_IVA, m_nPrecisioneIva);
    // A VAT rate without a till number (or an article without VAT code) reads as -1, the sentinel
    // the VAT object uses for the same thing.
    CODICE_CASSA_IVA = rs.IsFieldNull(&rs.CODICE_CASSA_IVA) ? -1 : rs.CODICE_CASSA_IVA;
    SCORTA_MINIMA = Decimal(rs.SCORTA_MINIMA, 127);
    PROVVIGIONE = Decimal(rs.PROVVIGIONE, 127);
    PERC_COSTO_OMAGGIO = Decimal(rs.PERC_COSTO_OMAGGIO, 127);
    PREZZO_IMPOSTO_IVATO = Rounded(rs.PREZZO_IMPOSTO_IVATO, m_nPrecisionePrezzi);
    SCONTO_PREZZO_IMPOSTO = Rounded(rs.SCONTO_PREZZO_IMPOSTO, m_nPrecisioneSconti);
    SCONTO_VEND1 = Rounded(rs.SCONTO_VEND1, m_nPrecisioneSconti);
    SCONTO_VEND2 = Rounded(rs.SCONTO_VEND2, m_nPrecisioneSconti);
    SCONTO_VEND3 = Rounded(rs.SCONTO_VEND3, m_nPrecisioneSconti);
    SCONTO_VEND4 = Rounded(rs.SCONTO_VEND4, m_nPrecisioneSconti);
    ART_PESO_KG = Decimal(rs.ART_PESO_KG, 127);
    ART_LUNGHEZZA_CM = Decimal(rs.ART_LUNGHEZZA_CM, 127);
    ART_LARGHEZZA_CM = Decimal(rs.ART_LARGHEZZA_CM, 127);
    ART_ALTEZZA_CM = Decimal(rs.ART_ALTEZZA_CM, 127);
    ART_VOLUME_M3 = Decimal(rs.ART_VOLUME_M3, 127);
    CONF_PESO_KG = Decimal(rs.CONF_PESO_KG, 127);
    CONF_LUNGHEZZA_CM = Decimal(rs.CONF_LUNGHEZZA_CM, 127);
    CONF_LARGHEZZA_CM = Decimal(rs.CONF_LARGHEZZA_CM, 127);
    CONF_ALTEZZA_CM = Decimal(rs.CONF_ALTEZZA_CM, 127);
    CONF_VOLUME_M3 = Decimal(rs.CONF_VOLUME_M3, 127);
    PERCENTUALE_DAZIO = Decimal(rs.PERCENTUALE_DAZIO, 127);
    RAEE_EURO = Decimal(rs.RAEE_EURO, 127);

    // The price chain is read as stored and rounded before the mark-up is derived from it: the
    // mark-up is not stored, so that it always agrees with the prices it comes from.
    PREZZO_ACQ_LISTINO_EURO = Decimal(rs.PREZZO_ACQ_LISTINO_EURO, 127);
    SCONTO_1 = Decimal(rs.SCONTO_1, 127);
    SCONTO_2 = Decimal(rs.SCONTO_2, 127);
    SCONTO_3 = Decimal(rs.SCONTO_3, 127);
    SCONTO_4 = Decimal(rs.SCONTO_4, 127);
    PREZZO_ACQ_PZ_EURO = Decimal(rs.PREZZO_ACQ_PZ_EURO, 127);
    PREZZO_PZ_EURO = Decimal(rs.PREZZO_PZ_EURO, 127);
    PREZZO_PZ_EURO_IVATO = Decimal(rs.PREZZO_PZ_EURO_IVATO, 127);
    ImpostaPrecisioni();
    RICARICO = CalcolaRicarico();

    if (rs.IsFieldNull(&rs.FOR_PREZZO_VENDITA_ID)) {
        FOR_PREZZO_VENDITA_ID = -1;
        FOR_PREZZO_VENDITA_DESCRIZIONE.Empty();
    } else {
        FOR_PREZZO_VENDITA_ID = rs.FOR_PREZZO_VENDITA_ID;
        FOR_PREZZO_VENDITA_DESCRIZIONE = rs.FOR_PREZZO_VENDITA_DESCRIZIONE;
    }
    if (rs.IsFieldNull(&rs.FOR_COSTO_NETTO_ID)) {
        FOR_COSTO_NETTO_ID = -1;
        FOR_COSTO_NETTO_DESCRIZIONE.Empty();
    } else {
        FOR_COSTO_NETTO_ID = rs.FOR_COSTO_NETTO_ID;
        FOR_COSTO_NETTO_DESCRIZIONE = rs.FOR_COSTO_NETTO_DESCRIZIONE;
    }

    // A stored density, even 0, means the article manages it; NULL means it does not.
    if (rs.IsFieldNull(&rs.DENSITA)) {
        GESTISCI_DENSITA = 0;
        (DENSITA = Decimal()).Round3(kPrecisioneDensita);
    } else {
        GESTISCI_DENSITA = 1;
        DENSITA = Rounded(rs.DENSITA, kPrecisioneDensita);
    }

    F_PUBBLICA = static_cast<int>(rs.F_PUBBLICA);
    ID_TIPO_ARTICOLO = rs.ID_TIPO_ARTICOLO;
    F_RIPORTA_NOTE = rs.F_RIPORTA_NOTE;
    F_GESTISCI_GIACENZE = rs.F_GESTISCI_GIACENZE;
    F_STAMPA_IN_SCONTRINO = rs.F_STAMPA_IN_SCONTRINO;
    F_GESTISCI_LOTTI = rs.F_GESTISCI_LOTTI;
    F_MODIFICATO = rs.F_MODIFICATO;
    ImpostaPrecisioni();
}

void CDomainArticolo::ToRecordset(CArticoloSet& rs) const
{
    rs.ID = ID;
    rs.CODICE_EAN = Get_CODICE_EAN();
    rs.CODICE_INTERNO = CODICE_INTERNO;
    rs.DESCRIZIONE = DESCRIZIONE;
    rs.PEZZI_X_CONFEZIONE = PEZZI_X_CONFEZIONE;
    rs.ID_IVA = ID_IVA;
    // The short description is what tills print: it is stored as an empty text, never as NULL,
    // so that the till programs that read it need no NULL handling.
    rs.DESCRIZIONE_RIDOTTA = DESCRIZIONE_RIDOTTA;
    if (DESCRIZIONE_RIDOTTA.IsEmpty())
        rs.SetFieldNull(&rs.DESCRIZIONE_RIDOTTA, FALSE);

    TextOrNull(rs, rs.FILEFOTO, FILEFOTO);
    TextOrNull(rs, rs.UM, UM);
    TextOrNull(rs, rs.ID_CATEGORIA, ID_CATEGORIA);
    TextOrNull(rs, rs.ID_FAMIGLIA, ID_FAMIGLIA);
    TextOrNull(rs, rs.ID_GRUPPO, ID_GRUPPO);
    TextOrNull(rs, rs.ID_REPARTO, ID_REPARTO);
    TextOrNull(rs, rs.NOTE, NOTE);
    TextOrNull(rs, rs.INFO_STR1, INFO_STR1);
    TextOrNull(rs, rs.INFO_STR2, INFO_STR2);
    TextOrNull(rs, rs.INFO_STR3, INFO_STR3);
    TextOrNull(rs, rs.INFO_STR4, INFO_STR4);
    TextOrNull(rs, rs.INFO_STR5, INFO_STR5);
    TextOrNull(rs, rs.INFO_NUM1, INFO_NUM1);
    TextOrNull(rs, rs.INFO_NUM2, INFO_NUM2);
    TextOrNull(rs, rs.INFO_NUM3, INFO_NUM3);
    TextOrNull(rs, rs.INFO_NUM4, INFO_NUM4);
    TextOrNull(rs, rs.INFO_NUM5, INFO_NUM5);

    rs.PREZZO_PZ_EURO = ToStoredText(PREZZO_PZ_EURO);
    rs.SCORTA_MINIMA = ToStoredText(SCORTA_MINIMA);
    rs.PREZZO_ACQ_PZ_EURO = ToStoredText(PREZZO_ACQ_PZ_EURO);
    rs.PREZZO_ACQ_LISTINO_EURO = ToStoredText(PREZZO_ACQ_LISTINO_EURO);
    rs.SCONTO_1 = ToStoredText(SCONTO_1);
    rs.SCONTO_2 = ToStoredText(SCONTO_2);
    rs.SCONTO_3 = ToStoredText(SCONTO_3);
    rs.SCONTO_4 = ToStoredText(SCONTO_4);
    rs.PROVVIGIONE = ToStoredText(PROVVIGIONE);
    rs.PREZZO_PZ_EURO_IVATO = ToStoredText(PREZZO_PZ_EURO_IVATO);
    rs.PREZZO_IMPOSTO_IVATO = ToStoredText(PREZZO_IMPOSTO_IVATO);
    rs.SCONTO_PREZZO_IMPOSTO = ToStoredText(SCONTO_PREZZO_IMPOSTO);
    rs.SCONTO_VEND1 = ToStoredText(SCONTO_VEND1);
    rs.SCONTO_VEND2 = ToStoredText(SCONTO_VEND2);
    rs.SCONTO_VEND3 = ToStoredText(SCONTO_VEND3);
    rs.SCONTO_VEND4 = ToStoredText(SCONTO_VEND4);
    rs.ART_PESO_KG = ToStoredText(ART_PESO_KG);
    rs.ART_LUNGHEZZA_CM = ToStoredText(ART_LUNGHEZZA_CM);
    rs.ART_LARGHEZZA_CM = ToStoredText(ART_LARGHEZZA_CM);
    rs.ART_ALTEZZA_CM = ToStoredText(ART_ALTEZZA_CM);
    rs.ART_VOLUME_M3 = ToStoredText(ART_VOLUME_M3);
    rs.CONF_PESO_KG = ToStoredText(CONF_PESO_KG);
    rs.CONF_LUNGHEZZA_CM = ToStoredText(CONF_LUNGHEZZA_CM);
    rs.CONF_LARGHEZZA_CM = ToStoredText(CONF_LARGHEZZA_CM);
    rs.CONF_ALTEZZA_CM = ToStoredText(CONF_ALTEZZA_CM);
    rs.CONF_VOLUME_M3 = ToStoredText(CONF_VOLUME_M3);
    rs.PERCENTUALE_DAZIO = ToStoredText(PERCENTUALE_DAZIO);
    rs.RAEE_EURO = ToStoredText(RAEE_EURO);
    if (GESTISCI_DENSITA == 0) {
        rs.DENSITA.Empty();
        rs.SetFieldNull(&rs.DENSITA);
    } else {
        rs.DENSITA = ToStoredText(DENSITA);
    }

    if (FOR_PREZZO_VENDITA_ID < 1)
        rs.SetFieldNull(&rs.ID_FORMULA_PREZZO_VENDITA);
    else
        LongValue(rs, rs.ID_FORMULA_PREZZO_VENDITA, FOR_PREZZO_VENDITA_ID);
    if (FOR_COSTO_NETTO_ID < 1)
        rs.SetFieldNull(&rs.ID_FORMULA_COSTO_NETTO);
    else
        LongValue(rs, rs.ID_FORMULA_COSTO_NETTO, FOR_COSTO_NETTO_ID);

    LongValue(rs, rs.F_PUBBLICA, F_PUBBLICA);
    LongValue(rs, rs.ID_TIPO_ARTICOLO, ID_TIPO_ARTICOLO);
    LongValue(rs, rs.F_RIPORTA_NOTE, F_RIPORTA_NOTE);
    LongValue(rs, rs.F_GESTISCI_GIACENZE, F_GESTISCI_GIACENZE);
    LongValue(rs, rs.F_STAMPA_IN_SCONTRINO, F_STAMPA_IN_SCONTRINO);
    LongValue(rs, rs.F_GESTISCI_LOTTI, F_GESTISCI_LOTTI);
    LongValue(rs, rs.F_MODIFICATO, F_MODIFICATO);
}

// ---- the row ----

bool CDomainArticolo::DB_Update(EDB_Operation op)
{
    ImpostaPrecisioni();
    return ReportDBErrors([&] {
        CArticoloSet rs(GetDatabase());
        if (op == DB_OPERATION_ADDNEW)
            rs.m_strFilter = "ID IS NULL";
        else
            rs.m_strFilter.Format("ID = '%s'", (LPCTSTR)SetFilterParam(ID));
        rs.Open();
        switch (op) {
        case DB_OPERATION_ADDNEW:
            // Every write marks the row for the till programs that pick up changed articles.
            F_MODIFICATO = 1;
            rs.AddNew();
            ToRecordset(rs);
            rs.Update();
            break;
        case DB_OPERATION_EDIT:
            if (!rs.IsEOF()) {
                F_MODIFICATO = 1;
                rs.Edit();
                ToRecordset(rs);
                rs.Update();
            }
            break;
        case DB_OPERATION_DELETE:
            if (!rs.IsEOF())
                rs.Delete();
            break;
        }
        rs.Close();
        return true;
    });
}

// ---- related loads ----

bool CDomainArticolo::DB_Load_IVA()
{
    if (ID_IVA.IsEmpty())
        return false;
    return ReportDBErrors([&] {
        CIvaSet rs(GetDatabase());
        rs.m_strFilter.Format("CODICE = '%s'", (LPCTSTR)SetFilterParam(ID_IVA));
        rs.Open();
        if (rs.IsEOF())
            return false;
        DESCRIZIONE_IVA = rs.DESCRIZIONE;
        Set_ALIQUOTA_IVA(rs.ALIQUOTA);
        rs.Close();
        ImpostaPrecisioni();
        return true;
    });
}

// Loads this object from the first article (by code) whose column holds the value; the whole
// object is replaced, its code included.
bool CDomainArticolo::LoadFirstOf(const char* column, const CString& value)
{
    if (value.IsEmpty())
        return false;
    return ReportDBErrors([&] {
        CArticoloCompletoSet rs(GetDatabase());
        rs.m_strFilter.Format("%s = '%s'", column, (LPCTSTR)SetFilterParam(value));
        rs.m_strSort = "ID";
        rs.Open();
        if (rs.IsEOF())
            return false;
        FromRecordset(rs);
        rs.Close();
        ImpostaPrecisioni();
        return true;
    });
}

bool CDomainArticolo::DB_Load_RiferimentoCategoria() { return LoadFirstOf("ID_CATEGORIA", ID_CATEGORIA); }

bool CDomainArticolo::DB_Load_RiferimentoFamiglia() { return LoadFirstOf("ID_FAMIGLIA", ID_FAMIGLIA); }

bool CDomainArticolo::DB_Load_RiferimentoGruppo() { return LoadFirstOf("ID_GRUPPO", ID_GRUPPO); }

// ---- suppliers ----

bool CDomainArticolo::DB_Load_ArticoloFornitore()
{
    return ReportDBErrors([&] {
        CARTICOLO_FORNITORE_COMPLETO rs(GetDatabase());
        rs.m_strFilter.Format("ID_ARTICOLO = '%s'", (LPCTSTR)SetFilterParam(ID));
        rs.m_strSort = "RAGIONE_SOCIALE";
        rs.Open();
        while (!rs.IsEOF()) {
            CArticoloFornitore supplier;
            supplier.Set_ID_FORNITORE(rs.ID_FORNITORE);
            supplier.Set_RAGIONE_SOCIALE(rs.RAGIONE_SOCIALE);
            supplier.Set_CODICE_FORNITORE(rs.CODICE_FORNITORE);
            supplier.Set_DESCRIZIONE_FORNITORE(rs.DESCRIZIONE_FORNITORE);
            m_arrFornitori.Add(supplier);
            rs.MoveNext();
        }
        rs.Close();
        return true;
    });
}

bool CDomainArticolo::DB_Update_ArticoloFornitore()
{
    return ReportDBErrors([&] {
        CString sql;
        sql.Format("DELETE FROM ARTICOLO_FORNITORE WHERE ID_ARTICOLO = '%s'", (LPCTSTR)SetFilterParam(ID));
        GetDatabase()->ExecuteSQL(sql);
        CARTICOLO_FORNITORE rs(GetDatabase());
        rs.m_strFilter = "ID_ARTICOLO IS NULL";
        rs.Open();
        for (INT_PTR i = 0; i < m_arrFornitori.GetSize(); ++i) {
            const CArticoloFornitore& supplier = m_arrFornitori[i];
            rs.AddNew();
            rs.ID_ARTICOLO = ID;
            LongValue(rs, rs.ID_FORNITORE, supplier.Get_ID_FORNITORE());
            rs.CODICE_FORNITORE = supplier.Get_CODICE_FORNITORE();
            rs.DESCRIZIONE_FORNITORE = supplier.Get_DESCRIZIONE_FORNITORE();
            rs.Update();
        }
        rs.Close();
        return true;
    });
}

// ---- alternative codes ----

bool CDomainArticolo::DB_Load_CodiciAlternativi()
{
    return ReportDBErrors([&] {
        CCodiceAlternativoArticolo rs(GetDatabase());
        rs.m_strFilter.Format("ID_ARTICOLO = '%s'", (LPCTSTR)SetFilterParam(ID));
        rs.m_strSort = "CODICE";
        rs.Open();
        while (!rs.IsEOF()) {
            m_arrCodiciAlternativi.Add(CCodiceAlternativo(rs.CODICE, rs.TIPO));
            rs.MoveNext();
        }
        rs.Close();
        return true;
    });
}

bool CDomainArticolo::DB_Update_CodiciAlternativi()
{
    return ReportDBErrors([&] {
        CString sql;
        sql.Format("DELETE FROM CODICE_ALTERNATIVO_ARTICOLO WHERE ID_ARTICOLO = '%s'", (LPCTSTR)SetFilterParam(ID));
        GetDatabase()->ExecuteSQL(sql);
        CCodiceAlternativoArticolo rs(GetDatabase());
        rs.m_strFilter = "ID_ARTICOLO IS NULL";
        rs.Open();
        for (INT_PTR i = 0; i < m_arrCodiciAlternativi.GetSize(); ++i) {
            rs.AddNew();
            rs.ID_ARTICOLO = ID;
            rs.CODICE = m_arrCodiciAlternativi[i].Get_CODICE();
            LongValue(rs, rs.TIPO, m_arrCodiciAlternativi[i].Get_TIPO());
            rs.Update();
        }
        rs.Close();
        return true;
    });
}

// ---- alternative units ----

bool CDomainArticolo::DB_Load_UmAlternative()
{
    return ReportDBErrors([&] {
        m_listaUmAlternative.SetArticolo(ID);
        m_listaUmAlternative.DB_Load();
        return true;
    });
}

bool CDomainArticolo::DB_Update_UmAlternative()
{
    return ReportDBErrors([&] {
        m_listaUmAlternative.DB_Update(DB_OPERATION_EDIT);
        return true;
    });
}

// ---- key lookups ----

bool CDomainArticolo::DB_Load()
{
    CString sql;
    if (!ID.IsEmpty()) {
        // The article's own code, or an alternative code of type 0 that stands for it.
        const CString key = SetFilterParam(ID);
        sql.Format("SELECT A.ID FROM ARTICOLO A WHERE A.ID = '%s' UNION SELECT CAA.ID_ARTICOLO FROM "
                   "CODICE_ALTERNATIVO_ARTICOLO CAA WHERE (CAA.CODICE = '%s') AND (CAA.TIPO = %d) ",
                   (LPCTSTR)key, (LPCTSTR)key, 0);
    } else {
        const CString& ean = Get_CODICE_EAN();
        if (ean.IsEmpty())
            return false;
        // The article's EAN, or any barcode-like alternative code.
        const CString key = SetFilterParam(ean);
        sql.Format("SELECT A.ID FROM ARTICOLO A WHERE A.CODICE_EAN = '%s' UNION SELECT CAA.ID_ARTICOLO FROM "
                   "CODICE_ALTERNATIVO_ARTICOLO CAA WHERE (CAA.CODICE = '%s') AND (CAA.TIPO <> %d) ",
                   (LPCTSTR)key, (LPCTSTR)key, 0);
    }

    CString found;
    {
        CODBCRecordset query(GetDatabase());
        query.Open(sql, CRecordset::forwardOnly, CRecordset::readOnly | CRecordset::executeDirect);
        if (!query.IsEOF())
            found = query.Field(0)->AsString();
        query.Close();
    }
    if (found.IsEmpty())
        return false;

    CArticoloCompletoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID = '%s'", (LPCTSTR)SetFilterParam(found));
    rs.m_strSort = "ID";
    rs.Open();
    if (rs.IsEOF())
        return false;
    FromRecordset(rs);
    rs.Close();
    ImpostaPrecisioni();
    return true;
}

bool CDomainArticolo::DB_Load_From_CODICE_ALTERNATIVO(const CString& code, bool tipoArticolo)
{
    {
        CCodiceAlternativoArticolo rs(GetDatabase());
        rs.m_strFilter.Format("CODICE = '%s' AND TIPO %s %d", (LPCTSTR)SetFilterParam(code), tipoArticolo ? "=" : "<>",
                              0);
        rs.Open();
        if (rs.IsEOF())
            return false;
        Set_ID(rs.ID_ARTICOLO);
        rs.Close();
    }
    const bool loaded = DB_Load();
    // A barcode read at the till stays on the article, so that what is sold carries it.
    if (loaded && !tipoArticolo)
        Set_CODICE_EAN(code);
    return loaded;
}

CString CDomainArticolo::GeneraCodiceArticolo(int mode) const { return GeneraCodiceArticolo(GetDatabase(), mode); }

CString CDomainArticolo::GeneraCodiceArticolo(CDatabase* pDatabase, int mode)
{
    const int digits = Config()->GetParamAsInt("default/articolo/ncifre");
    CString last;
    const bool read = ReportDBErrors([&] {
        // Only codes of exactly the configured length count: longer or shorter codes were made
        // by hand or by another scheme and must not steer the numbering.
        CArticoloSet rs(pDatabase);
        rs.m_strFilter.Format("STRLEN(ID) = %d", digits);
        rs.m_strSort = "ID DESC";
        rs.Open();
        if (!rs.IsEOF())
            last = rs.ID;
        rs.Close();
        return true;
    });
    if (!read)
        last.Empty();

    CString result;
    switch (mode) {
    case 1: {
        // The number the last code starts with, as atoi reads it; a code too large for a number
        // stays at the largest one instead of wrapping round.
        long long number = std::strtoll(last, nullptr, 10);
        if (number < LLONG_MAX)
            ++number;
        result.Format("%0*lld", digits, number);
        break;
    }
    case 2: {
        CBase36Numeric counter;
        counter = last;
        counter += 1;
        result = counter.Format(digits);
        break;
    }
    default:
        break;
    }
    return result;
}

// ---- price formulas ----

namespace {

int PrecisionePrezzi() { return Config()->GetParamAsInt("precisione/prezzi"); }

int PrecisioneSconti() { return Config()->GetParamAsInt("precisione/sconti"); }

const Decimal kCento(100L);
const Decimal kUno(1L);

}  // namespace

Decimal CDomainArticolo::CalcolaCostoNetto(const Decimal& list, const Decimal& s1, const Decimal& s2,
                                           const Decimal& s3, const Decimal& s4)
{
    Decimal result = list * Amounts::Remainder(s1) * Amounts::Remainder(s2) * Amounts::Remainder(s3) * Amounts::Remainder(s4);
    return result.Round3(PrecisionePrezzi());
}

Decimal CDomainArticolo::CalcolaCostoListino(const Decimal& cost, const Decimal& s1, const Decimal& s2,
                                             const Decimal& s3, const Decimal& s4)
{
    // A discount of 100 leaves nothing to go back from.
    if (s1 == kCento || s2 == kCento || s3 == kCento || s4 == kCento)
        return Decimal();
    Decimal result = cost;
    result /= Amounts::Remainder(s1);
    result /= Amounts::Remainder(s2);
    result /= Amounts::Remainder(s3);
    result /= Amounts::Remainder(s4);
    return result.Round3(PrecisionePrezzi());
}

Decimal CDomainArticolo::CalcolaPrezzoVendita(const Decimal& multiplier, const Decimal& cost, const Decimal& markup)
{
    Decimal result = cost * (kUno + markup / kCento) * multiplier;
    return result.Round3(PrecisionePrezzi());
}

Decimal CDomainArticolo::CalcolaPrezzoIvato(const Decimal& price, const Decimal& vat)
{
    Decimal result = price * (kUno + vat / kCento);
    return result.Round3(PrecisionePrezzi());
}

Decimal CDomainArticolo::CalcolaPrezzoDaIvato(const Decimal& priceWithVat, const Decimal& vat)
{
    if (vat == -kCento)
        return Decimal();
    Decimal result = priceWithVat / (kUno + vat / kCento);
    return result.Round3(PrecisionePrezzi());
}

Decimal CDomainArticolo::CalcolaRicarico(const Decimal& multiplier, const Decimal& cost, const Decimal& sale)
{
    if (cost.IsZero() || multiplier.IsZero())
        return Decimal();
    Decimal result = (sale / multiplier - cost) * kCento / cost;
    return result.Round3(PrecisionePrezzi() + 1);
}

Decimal CDomainArticolo::CalcolaRicarico(const Decimal& margin)
{
    if (margin < Decimal() || margin >= kCento)
        return Decimal();
    Decimal result = margin * kCento / (kCento - margin);
    return result.Round3(PrecisionePrezzi() + 1);
}

Decimal CDomainArticolo::CalcolaMargine(const Decimal& multiplier, const Decimal& cost, const Decimal& sale)
{
    const Decimal gross = sale * multiplier;
    if (gross.IsZero())
        return Decimal();
    Decimal result = (gross - cost) * kCento / gross;
    return result.Round3(PrecisioneSconti() + 1);
}

Decimal CDomainArticolo::CalcolaPrezzoAcquistoDaVendita(const Decimal& multiplier, const Decimal& sale,
                                                        const Decimal& markup)
{
    if (markup == -kCento || multiplier.IsZero())
        return Decimal();
    Decimal result = (sale / multiplier) / (kUno + markup / kCento);
    return result.Round3(PrecisionePrezzi());
}

Decimal CDomainArticolo::CalcolaSconto(const Decimal& full, const Decimal& discounted)
{
    if (full.IsZero())
        return Decimal();
    Decimal result = kCento - discounted * kCento / full;
    return result.Round3(PrecisioneSconti());
}

Decimal CDomainArticolo::CalcolaPrezzoScontato(const Decimal& price, const Decimal& discount)
{
    if (discount == kCento)
        return Decimal();
    Decimal result = price * Amounts::Remainder(discount);
    return result.Round3(PrecisionePrezzi());
}

bool CDomainArticolo::IsMargineValido(const Decimal& margin) { return margin >= Decimal() && margin < kCento; }

Decimal CDomainArticolo::CalcolaPrezzoVendita(const Decimal& cost, const Decimal& markup) const
{
    return CalcolaPrezzoVendita(m_moltiplicatoreListino, cost, markup);
}

Decimal CDomainArticolo::CalcolaRicarico(const Decimal& cost, const Decimal& sale) const
{
    return CalcolaRicarico(m_moltiplicatoreListino, cost, sale);
}

Decimal CDomainArticolo::CalcolaMargine(const Decimal& cost, const Decimal& sale) const
{
    return CalcolaMargine(m_moltiplicatoreListino, cost, sale);
}

Decimal CDomainArticolo::CalcolaPrezzoAcquistoDaVendita(const Decimal& sale, const Decimal& markup) const
{
    return CalcolaPrezzoAcquistoDaVendita(m_moltiplicatoreListino, sale, markup);
}

Decimal CDomainArticolo::CalcolaRicarico() const
{
    return CalcolaRicarico(m_moltiplicatoreListino, PREZZO_ACQ_PZ_EURO, PREZZO_PZ_EURO);
}

Decimal CDomainArticolo::GetMargine() const
{
    return CalcolaMargine(m_moltiplicatoreListino, PREZZO_ACQ_PZ_EURO, PREZZO_PZ_EURO);
}

Decimal CDomainArticolo::Get_PREZZO_ACQ_LISTINO_EURO_IVATO() const
{
    Decimal result = CalcolaPrezzoIvato(PREZZO_ACQ_LISTINO_EURO, ALIQUOTA_IVA);
    return result.Round3(m_nPrecisionePrezzi);
}

Decimal CDomainArticolo::Get_PREZZO_ACQ_PZ_EURO_IVATO() const
{
    Decimal result = CalcolaPrezzoIvato(PREZZO_ACQ_PZ_EURO, ALIQUOTA_IVA);
    return result.Round3(m_nPrecisionePrezzi);
}

// ---- the price chain ----

void CDomainArticolo::RicalcolaCostoNetto()
{
    PREZZO_ACQ_PZ_EURO = CalcolaCostoNetto(PREZZO_ACQ_LISTINO_EURO, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4);
}

void CDomainArticolo::RicalcolaPrezzoVendita()
{
    PREZZO_PZ_EURO = CalcolaPrezzoVendita(m_moltiplicatoreListino, PREZZO_ACQ_PZ_EURO, RICARICO);
    RicalcolaPrezzoIvato();
}

void CDomainArticolo::RicalcolaPrezzoIvato()
{
    PREZZO_PZ_EURO_IVATO = CalcolaPrezzoIvato(PREZZO_PZ_EURO, ALIQUOTA_IVA);
}

// Every price setter stores its value and recomputes what its flags ask for as one change: a
// computation that overflows leaves every price of the chain as it was and lets the exception
// through, so that a wrong input loses nothing.
void CDomainArticolo::CambiaCatenaPrezzi(const std::function<void()>& steps)
{
    Decimal* const chain[] = {&PREZZO_ACQ_LISTINO_EURO, &SCONTO_1,  &SCONTO_2,       &SCONTO_3,
                              &SCONTO_4,                &PREZZO_ACQ_PZ_EURO, &RICARICO, &PREZZO_PZ_EURO,
                              &PREZZO_PZ_EURO_IVATO};
    Decimal saved[std::size(chain)];
    for (std::size_t i = 0; i < std::size(chain); ++i)
        saved[i] = *chain[i];
    try {
        steps();
        ImpostaPrecisioni();
    } catch (...) {
        for (std::size_t i = 0; i < std::size(chain); ++i)
            *chain[i] = saved[i];
        throw;
    }
}

void CDomainArticolo::Set_PREZZO_ACQ_LISTINO_EURO(const Decimal& value, bool cost, bool sale)
{
    CambiaCatenaPrezzi([&] {
        PREZZO_ACQ_LISTINO_EURO = value;
        if (cost) {
            RicalcolaCostoNetto();
            if (sale)
                RicalcolaPrezzoVendita();
        }
    });
}

// The four discounts recompute the same way: net cost, then sale price and price with VAT.
void CDomainArticolo::Set_SCONTO_1(const Decimal& value, bool recompute) { SetSconto(SCONTO_1, value, recompute); }
void CDomainArticolo::Set_SCONTO_2(const Decimal& value, bool recompute) { SetSconto(SCONTO_2, value, recompute); }
void CDomainArticolo::Set_SCONTO_3(const Decimal& value, bool recompute) { SetSconto(SCONTO_3, value, recompute); }
void CDomainArticolo::Set_SCONTO_4(const Decimal& value, bool recompute) { SetSconto(SCONTO_4, value, recompute); }

void CDomainArticolo::SetSconto(Decimal& discount, const Decimal& value, bool recompute)
{
    CambiaCatenaPrezzi([&] {
        discount = value;
        if (recompute) {
            RicalcolaCostoNetto();
            RicalcolaPrezzoVendita();
        }
    });
}

void CDomainArticolo::Set_PREZZO_ACQ_PZ_EURO(const Decimal& value, bool list, bool sale)
{
    CambiaCatenaPrezzi([&] {
        PREZZO_ACQ_PZ_EURO = value;
        if (list) {
            PREZZO_ACQ_LISTINO_EURO = CalcolaCostoListino(PREZZO_ACQ_PZ_EURO, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4);
            if (sale)
                RicalcolaPrezzoVendita();
        }
    });
}

void CDomainArticolo::Set_RICARICO(const Decimal& value, bool recompute)
{
    CambiaCatenaPrezzi([&] {
        RICARICO = value;
        if (recompute)
            RicalcolaPrezzoVendita();
    });
}

void CDomainArticolo::Set_PREZZO_PZ_EURO(const Decimal& value, bool recompute)
{
    CambiaCatenaPrezzi([&] {
        PREZZO_PZ_EURO = value;
        if (recompute) {
            RICARICO = CalcolaRicarico();
            RicalcolaPrezzoIvato();
        }
    });
}

void CDomainArticolo::Set_PREZZO_PZ_EURO_IVATO(const Decimal& value, bool recompute)
{
    CambiaCatenaPrezzi([&] {
        PREZZO_PZ_EURO_IVATO = value;
        if (recompute) {
            PREZZO_PZ_EURO = CalcolaPrezzoDaIvato(PREZZO_PZ_EURO_IVATO, ALIQUOTA_IVA);
            RICARICO = CalcolaRicarico();
        }
    });
}

bool CDomainArticolo::SetMargine(const Decimal& margin, bool recompute)
{
    if (!IsMargineValido(margin))
        return false;
    Set_RICARICO(CalcolaRicarico(margin), recompute);
    return true;
}

// ---- picture ----

CString CDomainArticolo::CalcolaFoto(CDatabase* pDatabase, const CString& id)
{
    const CString sql = CString("SELECT A.FILEFOTO     AS ARTICOLO_FOTO, G.FILE_FOTO    AS GRUPPO_FOTO1, "
                                "G.FILE_FOTO2   AS GRUPPO_FOTO2, F.FILE_FOTO    AS FAMIGLIA_FOTO1, "
                                "F.FILE_FOTO2   AS FAMIGLIA_FOTO2, C.FILE_FOTO    AS CATEGORIA_FOTO1, "
                                "C.FILE_FOTO2   AS CATEGORIA_FOTO2 FROM  ARTICOLO A  "
                                "LEFT JOIN GRUPPO G ON A.ID_GRUPPO = G.ID  LEFT JOIN FAMIGLIA F ON A.ID_FAMIGLIA = F.ID  "
                                "LEFT JOIN CATEGORIA C ON A.ID_CATEGORIA = C.ID WHERE   A.ID = '") +
                        SetFilterParam(id) + "'";
    CODBCRecordset rs(pDatabase);
    rs.Open(sql, CRecordset::forwardOnly, CRecordset::readOnly | CRecordset::executeDirect);
    if (rs.IsEOF())
        return CString();
    // The most specific picture wins: the article's, then its group's, family's and category's.
    static const char* const kCandidates[] = {"ARTICOLO_FOTO",  "GRUPPO_FOTO1",  "GRUPPO_FOTO2",
                                              "FAMIGLIA_FOTO1", "FAMIGLIA_FOTO2", "CATEGORIA_FOTO1"};
    CString result;
    bool found = false;
    for (const char* column : kCandidates) {
        CDBField* field = rs.Field(column);
        if (!field->IsNull() && !field->AsString().IsEmpty()) {
            result = field->AsString();
            found = true;
            break;
        }
    }
    if (!found)
        result = rs.Field("CATEGORIA_FOTO2")->AsString();
    rs.Close();
    return result;
}

// ---- discount band ----

CDomainFasciaSconto CDomainArticolo::GetFasciaScontoXCategoria(long idSoggetto) const
{
    CDomainFasciaSconto band(GetDatabase());
    if (ID_CATEGORIA.IsEmpty())
        return band;
    const CString category = SetFilterParam(ID_CATEGORIA);
    {
        CCategoriaScontoCompletoSet rs(GetDatabase());
        rs.m_strFilter.Format("( F_PREDEFINITO = 1 ) AND ( CATEGORIA_ID = '%s' )", (LPCTSTR)category);
        rs.Open();
        if (!rs.IsEOF())
            band.FromRecordset(rs);
        rs.Close();
    }
    // A band agreed with the partner for this category wins over the category's default.
    if (idSoggetto > 0) {
        CSoggettoCategoriaScontoCompSet rs(GetDatabase());
        rs.m_strFilter.Format("( CATEGORIA_ID = '%s' ) AND ( SOGGETTO_ID = %ld )", (LPCTSTR)category, idSoggetto);
        rs.Open();
        if (!rs.IsEOF())
            band.FromRecordset(rs);
        rs.Close();
    }
    return band;
}
