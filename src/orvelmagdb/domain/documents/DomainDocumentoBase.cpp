// Key, number, series, year and dates shared by documents and linked-document summaries.
#include "orvelmagdb/domain/documents/DomainDocumentoBase.h"

CDomainDocumentoBase::CDomainDocumentoBase(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      ID(-1),
      NUMERO(0),
      ANNO(0),
      DATA_DOCUMENTO(Invalid_TIMESTAMP_STRUCT),
      DATA_MOVIMENTO(Invalid_TIMESTAMP_STRUCT)
{
}

CDomainDocumentoBase::CDomainDocumentoBase(const CDomainDocumentoBase& other) = default;

// The date setter would take the year from the date; the source's own year is copied after it,
// so a copy always ends with the year the source holds, even one set apart from its date.
CDomainDocumentoBase& CDomainDocumentoBase::operator=(const CDomainDocumentoBase& other)
{
    CDomainClass::operator=(other);
    ID = other.ID;
    NUMERO = other.NUMERO;
    SERIE = other.SERIE;
    Set_DATA_DOCUMENTO(other.DATA_DOCUMENTO);
    ANNO = other.ANNO;
    DATA_MOVIMENTO = other.DATA_MOVIMENTO;
    return *this;
}

CDomainDocumentoBase::~CDomainDocumentoBase() = default;

void CDomainDocumentoBase::Get_DATA_DOCUMENTO(CString& text) const
{
    From_TIMESTAMP_STRUCT_To_StringDate(DATA_DOCUMENTO, text);
}

void CDomainDocumentoBase::Get_DATA_DOCUMENTO(COleDateTime& date) const
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(DATA_DOCUMENTO, date);
}

void CDomainDocumentoBase::Set_DATA_DOCUMENTO(const TIMESTAMP_STRUCT& value)
{
    DATA_DOCUMENTO = value;
    ANNO = value.year;
}

void CDomainDocumentoBase::Set_DATA_DOCUMENTO(const CString& text)
{
    TIMESTAMP_STRUCT value;
    From_StringDate_To_TIMESTAMP_STRUCT(text, value);
    Set_DATA_DOCUMENTO(value);
}

void CDomainDocumentoBase::Set_DATA_DOCUMENTO(const COleDateTime& date)
{
    TIMESTAMP_STRUCT value;
    From_COleDateTime_To_TIMESTAMP_STRUCT(date, value);
    Set_DATA_DOCUMENTO(value);
}

void CDomainDocumentoBase::Get_DATA_MOVIMENTO(CString& text) const
{
    From_TIMESTAMP_STRUCT_To_StringDate(DATA_MOVIMENTO, text);
}

void CDomainDocumentoBase::Get_DATA_MOVIMENTO(COleDateTime& date) const
{
    From_TIMESTAMP_STRUCT_To_COleDateTime(DATA_MOVIMENTO, date);
}

void CDomainDocumentoBase::Set_DATA_MOVIMENTO(const CString& text)
{
    From_StringDate_To_TIMESTAMP_STRUCT(text, DATA_MOVIMENTO);
}

void CDomainDocumentoBase::Set_DATA_MOVIMENTO(const COleDateTime& date)
{
    From_COleDateTime_To_TIMESTAMP_STRUCT(date, DATA_MOVIMENTO);
}
