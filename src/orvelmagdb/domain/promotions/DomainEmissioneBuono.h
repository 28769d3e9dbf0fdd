// CDomainEmissioneBuono: a voucher campaign of one company. A sale whose amount reaches the
// campaign's threshold (and stays within its ceiling, when it has one) earns a voucher worth a
// percentage of that amount, a fixed amount, goods, or points. The amount is either the whole
// document's total or only what its stored lines of chosen categories, families or groups add up
// to. The campaign runs from its first to its last day, either of which may be left open.
//
// Besides the campaign row the object keeps four lists: the movement reasons it is offered for
// (kept for the host; the check itself does not read them) and the categories, families and
// groups whose articles count. They are saved by rewriting each list whole after the row, and
// loading appends to them, so an object is loaded once, fresh.
//
// Errors: the check reports a database error in the error box and answers false; loading and
// saving let database errors through to the caller, which rolls back its transaction.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/StringArray.h"
#include "afx/Timestamp.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CDomainDocumento;
class CEmissioneBuonoCompletaSet;
class CEmissioneBuonoSet;

// Accessor families of the members stored as they are given.
#define ORVEL_BUONO_TEXT(name)                         \
    const CString& Get_##name() const { return name; } \
    CString& Ref_##name() { return name; }             \
    void Set_##name(const CString& value) { name = value; }
#define ORVEL_BUONO_LONG(name)                   \
    long Get_##name() const { return name; }     \
    long& Ref_##name() { return name; }          \
    void Set_##name(long value) { name = value; }
// Amounts and the percentage: Set_ rounds to the member's precision.
#define ORVEL_BUONO_DECIMAL(name)                      \
    const Decimal& Get_##name() const { return name; } \
    Decimal& Ref_##name() { return name; }             \
    void Set_##name(const Decimal& value);
#define ORVEL_BUONO_DATE(name)                              \
    const COleDateTime& Get_##name() const { return name; } \
    COleDateTime& Ref_##name() { return name; }             \
    void Set_##name(const COleDateTime& value) { name = value; } \
    void Set_##name(const TIMESTAMP_STRUCT& value);

class ORVEL_API CDomainEmissioneBuono : public CDomainClass {
public:
    // What the voucher is (F_TIPO).
    enum ETipoBuono : long {
        TIPO_SCONTO = 0,   // a percentage (SCONTO) of the counted amount
        TIPO_IMPORTO = 1,  // a fixed amount (IMPORTO)
        TIPO_BENE = 2,     // goods, no value
        TIPO_PUNTI = 3,    // points, one per IMPORTO_SOGLIA of the counted amount
    };
    // What counts towards the threshold (F_TIPO_ARTICOLI).
    enum ETipoArticoli : long {
        ARTICOLI_TUTTI = 0,   // the document's total
        ARTICOLI_SCELTI = 1,  // the stored lines of the listed categories, families or groups
    };

    // A campaign of the current user's company running today only, threshold 0, no ceiling; the
    // precisions of discounts ("precisione/sconti") and totals ("precisione/totali") are read now
    // and kept for the object's life.
    explicit CDomainEmissioneBuono(CDatabase* pDatabase = nullptr);
    CDomainEmissioneBuono(const CDomainEmissioneBuono& other);
    CDomainEmissioneBuono& operator=(const CDomainEmissioneBuono& other);
    ~CDomainEmissioneBuono() override;

    // Loads the campaign of ID and SOCIETA_ID and appends its four lists. True also when there is
    // no such campaign (the fields stay as they were); database errors pass to the caller.
    bool DB_Load() override;

    bool FromRecordset(const CEmissioneBuonoCompletaSet& rs);
    void ToRecordset(CEmissioneBuonoSet& rs);

    // True when today lies between the first and the last day, an empty (null) date leaving that
    // side open; a date that is neither valid nor null never lets the campaign run.
    bool IsInCorso() const;

    // Whether the document earns a voucher. The amount counted (kept for
    // GetTotaleArticoliPromozione) is the document's TOTALE as held in memory, or, for a
    // campaign limited to chosen articles, the total of the document's stored lines whose article
    // (or the line's own category, family or group) is listed. A campaign limited to articles
    // with nothing listed never qualifies.
    bool VerificaEmissioneBuono(const CDomainDocumento& documento);
    // At least the threshold and, when the ceiling is positive, at most the ceiling.
    bool CheckImporto(const Decimal& totale);
    // What the voucher is worth for a counted amount, rounded to the totals precision: the
    // percentage of it, the fixed amount, or 0 for goods and points.
    Decimal GetValoreBuonoSconto(const Decimal& totale) const;
    // Points for a counted amount: its whole number of thresholds for a points campaign; 0 for any
    // other kind, and for a threshold that is not positive.
    long GetPuntiBuonoSconto(const Decimal& totale) const;
    Decimal GetTotaleArticoliPromozione() const { return m_totaleArticoli; }

    // The lists as SQL value lists ("3,5 ", "'A','B' "; texts quoted and escaped), empty for none.
    CString GetCausaliFilter() const;
    CString GetCategorieFilter() const;
    CString GetFamiglieFilter() const;
    CString GetGruppiFilter() const;

    // "Sconto", "Importo", "Bene", "Punti"; empty for any other kind.
    static CString GetStrTipoBuonoSconto(long tipo);
    CString GetStrTipoBuonoSconto() const { return GetStrTipoBuonoSconto(F_TIPO); }

    // The lists; each setter replaces the whole list with a copy.
    const CArray<long, long>& GetIDCausali() const { return m_causali; }
    CArray<long, long>& RefIDCausali() { return m_causali; }
    void SetIDCausali(const CArray<long, long>& ids) { m_causali = ids; }
    const CStringArray& GetIDCategorie() const { return m_categorie; }
    CStringArray& RefIDCategorie() { return m_categorie; }
    void SetIDCategorie(const CStringArray& ids) { m_categorie.Copy(ids); }
    const CStringArray& GetIDFamiglie() const { return m_famiglie; }
    CStringArray& RefIDFamiglie() { return m_famiglie; }
    void SetIDFamiglie(const CStringArray& ids) { m_famiglie.Copy(ids); }
    const CStringArray& GetIDGruppi() const { return m_gruppi; }
    CStringArray& RefIDGruppi() { return m_gruppi; }
    void SetIDGruppi(const CStringArray& ids) { m_gruppi.Copy(ids); }

    ORVEL_BUONO_LONG(ID)
    bool IsValid_ID() const { return ID > 0; }
    ORVEL_BUONO_DATE(DATA_INIZIO)
    ORVEL_BUONO_DATE(DATA_FINE)
    ORVEL_BUONO_TEXT(TESTO1)
    ORVEL_BUONO_TEXT(TESTO2)
    ORVEL_BUONO_TEXT(TESTO3)
    ORVEL_BUONO_DECIMAL(SCONTO)
    ORVEL_BUONO_DECIMAL(IMPORTO)
    ORVEL_BUONO_LONG(F_TIPO)
    ORVEL_BUONO_LONG(F_TIPO_ARTICOLI)
    ORVEL_BUONO_DECIMAL(IMPORTO_SOGLIA)
    ORVEL_BUONO_DECIMAL(IMPORTO_MASSIMO)
    ORVEL_BUONO_LONG(NUMERO_PUNTI)
    ORVEL_BUONO_LONG(SOCIETA_ID)
    ORVEL_BUONO_TEXT(SOCIETA_NOME)
    ORVEL_BUONO_TEXT(SOCIETA_RAGIONESOCIALE)

protected:
    // Adds the campaign (with a new id from the database) or rewrites it, then rewrites its four
    // lists; or deletes the campaign row, leaving the lists to the host.
    bool DB_Update(EDB_Operation op) override;
    // Every field and list, the precisions too; amounts rounded to the copied precisions.
    void CopyData(const CDomainEmissioneBuono& other);

private:
    Decimal RoundedDiscount(const Decimal& value) const;
    Decimal RoundedTotal(const Decimal& value) const;
    // The total of the document's stored lines of the listed articles; false when it could not be
    // read or nothing is listed.
    bool ContaArticoliScelti(long idDocumento);

    int m_nPrecisioneSconti;
    int m_nPrecisioneTotali;
    long ID;
    COleDateTime DATA_INIZIO;
    COleDateTime DATA_FINE;
    CString TESTO1;
    CString TESTO2;
    CString TESTO3;
    Decimal SCONTO;
    Decimal IMPORTO;
    long F_TIPO;
    long F_TIPO_ARTICOLI;
    Decimal IMPORTO_SOGLIA;
    Decimal IMPORTO_MASSIMO;
    long NUMERO_PUNTI;
    long SOCIETA_ID;
    CString SOCIETA_NOME;
    CString SOCIETA_RAGIONESOCIALE;
    CArray<long, long> m_causali;
    CStringArray m_categorie;
    CStringArray m_famiglie;
    CStringArray m_gruppi;
    Decimal m_totaleArticoli;
};

#undef ORVEL_BUONO_TEXT
#undef ORVEL_BUONO_LONG
#undef ORVEL_BUONO_DECIMAL
#undef ORVEL_BUONO_DATE
