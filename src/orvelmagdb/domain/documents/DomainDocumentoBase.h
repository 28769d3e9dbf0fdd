// CDomainDocumentoBase: what every document and every summary of a linked document has in
// common: its key, its number within a series and a year, and its two dates (the document date,
// which gives the year, and the date the goods moved). It loads and saves nothing itself: the
// full document and the linked-document summary do.
#pragma once

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "orveldblib/DomainClass.h"

class ORVEL_API CDomainDocumentoBase : public CDomainClass {
public:
    explicit CDomainDocumentoBase(CDatabase* pDatabase = nullptr);
    CDomainDocumentoBase(const CDomainDocumentoBase& other);
    CDomainDocumentoBase& operator=(const CDomainDocumentoBase& other);
    ~CDomainDocumentoBase() override;

    long Get_ID() const { return ID; }
    long& Ref_ID() { return ID; }
    void Set_ID(long value) { ID = value; }

    long Get_NUMERO() const { return NUMERO; }
    long& Ref_NUMERO() { return NUMERO; }
    void Set_NUMERO(long value) { NUMERO = value; }

    const CString& Get_SERIE() const { return SERIE; }
    void Set_SERIE(const CString& value) { SERIE = value; }

    long Get_ANNO() const { return ANNO; }
    void Set_ANNO(long value) { ANNO = value; }

    // The document date in its three forms; every setter also makes ANNO the year of the date.
    const TIMESTAMP_STRUCT& Get_DATA_DOCUMENTO() const { return DATA_DOCUMENTO; }
    void Get_DATA_DOCUMENTO(CString& text) const;
    void Get_DATA_DOCUMENTO(COleDateTime& date) const;
    void Set_DATA_DOCUMENTO(const TIMESTAMP_STRUCT& value);
    void Set_DATA_DOCUMENTO(const CString& text);
    void Set_DATA_DOCUMENTO(const COleDateTime& date);

    // The movement date; it leaves ANNO alone.
    const TIMESTAMP_STRUCT& Get_DATA_MOVIMENTO() const { return DATA_MOVIMENTO; }
    void Get_DATA_MOVIMENTO(CString& text) const;
    void Get_DATA_MOVIMENTO(COleDateTime& date) const;
    void Set_DATA_MOVIMENTO(const TIMESTAMP_STRUCT& value) { DATA_MOVIMENTO = value; }
    void Set_DATA_MOVIMENTO(const CString& text);
    void Set_DATA_MOVIMENTO(const COleDateTime& date);

protected:
    long ID;
    long NUMERO;
    CString SERIE;
    long ANNO;
    TIMESTAMP_STRUCT DATA_DOCUMENTO;
    TIMESTAMP_STRUCT DATA_MOVIMENTO;
};
