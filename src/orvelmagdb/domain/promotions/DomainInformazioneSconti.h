// CDomainInformazioneSconti: the discount information a document line starts from, that is a
// discount band together with the price list to charge. The price list is either a list id, the
// official price list (no id) or the last price charged to the partner (a marker id that lives
// only in memory; a line holding it stores no price list). The information is taken from a
// business partner, from the partner view, or band and price list separately.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "orvelmagdb/domain/promotions/DomainFasciaSconto.h"

class CDomainAzienda;
class CListinoSet;

class ORVEL_API CDomainInformazioneSconti : public CDomainFasciaSconto {
public:
    // No band and the official price list.
    explicit CDomainInformazioneSconti(CDatabase* pDatabase = nullptr);
    // The band is copied as bands are (percentages rounded again), with the price list.
    CDomainInformazioneSconti(const CDomainInformazioneSconti& other);
    CDomainInformazioneSconti& operator=(const CDomainInformazioneSconti& other);
    // Takes a plain band; the price list chosen here stays.
    CDomainInformazioneSconti& operator=(const CDomainFasciaSconto& other);
    ~CDomainInformazioneSconti() override;

    const CString& Get_ID_LISTINO() const { return ID_LISTINO; }
    const CString& Get_DESCRIZIONE_LISTINO() const { return DESCRIZIONE_LISTINO; }
    void Set_ID_LISTINO(const CString& value) { ID_LISTINO = value; }
    void Set_DESCRIZIONE_LISTINO(const CString& value) { DESCRIZIONE_LISTINO = value; }

    // Band and price list of a partner; a null partner changes nothing.
    void FromDomain(const CDomainAzienda* pAzienda);

    // The band only.
    void FromRecordset(CScontoSet& rs);
    // The partner's band and price list.
    void FromRecordset(CAziendaScontoCompletoSet& rs);
    // The price list only.
    void FromRecordset(CListinoSet& rs);
    using CDomainFasciaSconto::FromRecordset;

    // Loads the description of the price list ID_LISTINO. False for an empty id, an id without
    // price list, or a database error (shown with its error text).
    bool DB_Load_LISTINO();

    // "UFF - LISTINO UFFICIALE", "UP - ULTIMO PREZZO", or "ID - description" of a price list.
    CString GetDescrizioneListino() const;

    static CString GetDescrizioneListinoUfficiale();
    static CString GetDescrizioneListinoUltimoPrezzo();
    static CString GetIDListinoUltimoPrezzo();

protected:
    CString ID_LISTINO;
    CString DESCRIZIONE_LISTINO;
};
