// CDomainFasciaSconto: one discount band, a named set of four cascading discounts and an agent
// commission, all in percent. Partners and article categories are given bands, and document
// lines take their discounts from them. The object loads a band by id, reads one from the views
// that join bands to categories and partners, and builds the text that shows it. Three values of
// the configuration are read when the object is built and kept for its life: the discount
// precision ("precisione/sconti") the percentages are rounded to, how many discounts the shop
// uses ("default/sconti/numero") and whether it shows the commission ("magazzino/provvigione").
// Bands belong to the partner registry: this library reads them and never writes them.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CAziendaScontoCompletoSet;
class CCategoriaScontoCompletoSet;
class CScontoSet;
class CSoggettoCategoriaScontoCompSet;

class ORVEL_API CDomainFasciaSconto : public CDomainClass {
public:
    // No band: empty id and description, every percentage 0, not a category default.
    explicit CDomainFasciaSconto(CDatabase* pDatabase = nullptr);
    // Takes over the other band's configuration values and rounds each copied percentage to the
    // copied discount precision.
    CDomainFasciaSconto(const CDomainFasciaSconto& other);
    // Takes over everything as it is: the percentages are not rounded again.
    CDomainFasciaSconto& operator=(const CDomainFasciaSconto& other);
    ~CDomainFasciaSconto() override;

    // Loads the band named by ID. False for an empty id or a database error (shown in the error
    // box); true otherwise, also when no band has that id, in which case the description and the
    // percentages are left cleared.
    bool DB_Load() override;

    const CString& Get_ID() const { return ID; }
    CString* GetPtr_ID() { return &ID; }
    const CString* GetPtr_ID() const { return &ID; }
    const CString& Get_DESCRIZIONE() const { return DESCRIZIONE; }
    const Decimal& Get_SCONTO_1() const { return SCONTO_1; }
    const Decimal& Get_SCONTO_2() const { return SCONTO_2; }
    const Decimal& Get_SCONTO_3() const { return SCONTO_3; }
    const Decimal& Get_SCONTO_4() const { return SCONTO_4; }
    const Decimal& Get_PROVVIGIONE() const { return PROVVIGIONE; }
    long Get_F_PREDEFINITO() const { return F_PREDEFINITO; }

    void Set_ID(const CString& value) { ID = value; }
    void Set_DESCRIZIONE(const CString& value) { DESCRIZIONE = value; }
    void Set_F_PREDEFINITO(long value) { F_PREDEFINITO = value; }
    // The percentages are stored rounded to the discount precision.
    void Set_SCONTO_1(const Decimal& value);
    void Set_SCONTO_2(const Decimal& value);
    void Set_SCONTO_3(const Decimal& value);
    void Set_SCONTO_4(const Decimal& value);
    void Set_PROVVIGIONE(const Decimal& value);

    // The band of the current row. A category's band keeps the row's default flag; the others
    // are never a category default.
    void FromRecordset(CCategoriaScontoCompletoSet& rs);
    void FromRecordset(CSoggettoCategoriaScontoCompSet& rs);
    void FromRecordset(CScontoSet& rs);
    void FromRecordset(CAziendaScontoCompletoSet& rs);

    // "ID | DESCRIZIONE | SC. 10% 5%  | PR. 3%": the discounts in use and, when the shop shows
    // it, the commission, in the user's number format; "NN - NESSUNA FASCIA SCONTO" for no band.
    CString GetDescrizioneFasciaSconto() const;

    static CString GetDescrizioneFasciaScontoNessuna();

protected:
    // Copies the band's fields and configuration values; `round` rounds the percentages to the
    // copied precision on the way.
    void CopyFrom(const CDomainFasciaSconto& other, bool round);
    // Stores the five percentages read as stored text, rounded, and the band's id and text.
    void AssignRow(const CString& id, const CString& descrizione, const CString& sconto1, const CString& sconto2,
                   const CString& sconto3, const CString& sconto4, const CString& provvigione, long predefinito);
    Decimal Rounded(const Decimal& value) const;

    int m_nPrecisioneSconti;
    int m_nNumeroSconti;
    int m_nProvvigione;
    CString ID;
    CString DESCRIZIONE;
    Decimal SCONTO_1;
    Decimal SCONTO_2;
    Decimal SCONTO_3;
    Decimal SCONTO_4;
    Decimal PROVVIGIONE;
    long F_PREDEFINITO;
};
