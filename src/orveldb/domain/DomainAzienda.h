// CDomainAzienda: a business partner (customer or supplier) as the shop's documents, schedules
// and document lines need it: its names and tax codes, its relation with the shop, its payment
// formula, and the discount band and price list that its document lines start from. The band's
// percentages are kept rounded to the discount precision of the configuration
// ("precisione/sconti"), read when the object is built. Partners are kept by the host's partner
// registry; this object loads them and does not write them.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class CAziendaSet;
class CAziendaScontoCompletoSet;

class ORVEL_API CDomainAzienda : public CDomainClass {
public:
    // Relation of a partner with the shop (F_TIPO_RAPPORTO).
    enum { CLIENTE = 1, FORNITORE = 2 };

    // No partner (ID -1), no formula (-1), no relation (0), no band, no price list.
    explicit CDomainAzienda(CDatabase* pDatabase = nullptr);
    CDomainAzienda(const CDomainAzienda& other);
    CDomainAzienda& operator=(const CDomainAzienda& other);
    ~CDomainAzienda() override;

    // Loads the partner of ID with its band and price list. False for an ID not greater than 0,
    // an ID without row, or a database error (shown in the error box). A partner without band or
    // price list loads with those empty and the percentages 0.
    bool DB_Load() override;

    bool IsValid() const { return ID > 0; }
    bool IsValid_ID_FORMULA_PAGAMENTO() const { return ID_FORMULA_PAGAMENTO > 0; }

    long Get_ID() const { return ID; }
    const CString& Get_RAGIONESOCIALE() const { return RAGIONESOCIALE; }
    const CString& Get_PARTITAIVA() const { return PARTITAIVA; }
    const CString& Get_CODICEFISCALE() const { return CODICEFISCALE; }
    long Get_F_TIPO_RAPPORTO() const { return F_TIPO_RAPPORTO; }
    long Get_ID_FORMULA_PAGAMENTO() const { return ID_FORMULA_PAGAMENTO; }
    const CString& Get_SCONTO_ID() const { return SCONTO_ID; }
    const CString& Get_SCONTO_DESCRIZIONE() const { return SCONTO_DESCRIZIONE; }
    const Decimal& Get_SCONTO_SCONTO_1() const { return SCONTO_SCONTO_1; }
    const Decimal& Get_SCONTO_SCONTO_2() const { return SCONTO_SCONTO_2; }
    const Decimal& Get_SCONTO_SCONTO_3() const { return SCONTO_SCONTO_3; }
    const Decimal& Get_SCONTO_SCONTO_4() const { return SCONTO_SCONTO_4; }
    const Decimal& Get_SCONTO_PROVVIGIONE() const { return SCONTO_PROVVIGIONE; }
    const CString& Get_LISTINO_ID() const { return LISTINO_ID; }
    const CString& Get_LISTINO_DESCRIZIONE() const { return LISTINO_DESCRIZIONE; }

    void Set_ID(long value) { ID = value; }
    void Set_RAGIONESOCIALE(const CString& value) { RAGIONESOCIALE = value; }
    void Set_PARTITAIVA(const CString& value) { PARTITAIVA = value; }
    void Set_CODICEFISCALE(const CString& value) { CODICEFISCALE = value; }
    void Set_F_TIPO_RAPPORTO(long value) { F_TIPO_RAPPORTO = value; }
    void Set_ID_FORMULA_PAGAMENTO(long value) { ID_FORMULA_PAGAMENTO = value; }
    void Set_SCONTO_ID(const CString& value) { SCONTO_ID = value; }
    void Set_SCONTO_DESCRIZIONE(const CString& value) { SCONTO_DESCRIZIONE = value; }
    // The band's percentages are rounded to the discount precision.
    void Set_SCONTO_SCONTO_1(const Decimal& value);
    void Set_SCONTO_SCONTO_2(const Decimal& value);
    void Set_SCONTO_SCONTO_3(const Decimal& value);
    void Set_SCONTO_SCONTO_4(const Decimal& value);
    void Set_SCONTO_PROVVIGIONE(const Decimal& value);
    void Set_LISTINO_ID(const CString& value) { LISTINO_ID = value; }
    void Set_LISTINO_DESCRIZIONE(const CString& value) { LISTINO_DESCRIZIONE = value; }

    // The partner's own columns (a NULL formula becomes -1, a NULL relation 0).
    void FromRecordset(CAziendaSet& rs);
    // The band (id, description, percentages parsed and rounded) and the price list.
    void FromRecordset(CAziendaScontoCompletoSet& rs);

protected:
    int m_nPrecisioneSconti;
    long ID;
    CString RAGIONESOCIALE;
    CString PARTITAIVA;
    CString CODICEFISCALE;
    long F_TIPO_RAPPORTO;
    long ID_FORMULA_PAGAMENTO;
    CString SCONTO_ID;
    CString SCONTO_DESCRIZIONE;
    Decimal SCONTO_SCONTO_1;
    Decimal SCONTO_SCONTO_2;
    Decimal SCONTO_SCONTO_3;
    Decimal SCONTO_SCONTO_4;
    Decimal SCONTO_PROVVIGIONE;
    CString LISTINO_ID;
    CString LISTINO_DESCRIZIONE;
};
