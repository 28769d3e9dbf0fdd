// Summary of a linked document: loading by key and copying from the three views that show one.
#include "orvelmagdb/domain/documents/DomainDocumentoAssociato.h"

#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/recordsets/documents/DocumentiReferenziatiSet.h"
#include "orvelmagdb/recordsets/documents/DocumentiVuotiReferenziatiSet.h"
#include "orvelmagdb/recordsets/documents/RicercaDocumentoSet.h"

namespace {

int Precision(const char* key)
{
    return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key);
}

}  // namespace

CDomainDocumentoAssociato::CDomainDocumentoAssociato(CDatabase* pDatabase)
    : CDomainDocumentoBase(pDatabase),
      m_nPrecisioneTotali(Precision("precisione/totali")),
      m_nPrecisioneSconti(Precision("precisione/sconti")),
      CAUSALE_ID(-1)
{
}

CDomainDocumentoAssociato::CDomainDocumentoAssociato(const CDomainDocumentoAssociato& other)
    : CDomainDocumentoBase(other.GetDatabase())
{
    *this = other;
}

CDomainDocumentoAssociato& CDomainDocumentoAssociato::operator=(const CDomainDocumentoAssociato& other)
{
    CDomainDocumentoBase::operator=(other);
    m_nPrecisioneTotali = other.m_nPrecisioneTotali;
    m_nPrecisioneSconti = other.m_nPrecisioneSconti;
    CAUSALE_ID = other.CAUSALE_ID;
    CAUSALE_DESCRIZIONE = other.CAUSALE_DESCRIZIONE;
    TIPO_DOCUMENTO = other.TIPO_DOCUMENTO;
    Set_TOTALE(other.TOTALE);
    Set_TOTALE_IVA(other.TOTALE_IVA);
    Set_SCONTO_EXTRA(other.SCONTO_EXTRA);
    return *this;
}

CDomainDocumentoAssociato::~CDomainDocumentoAssociato() = default;

void CDomainDocumentoAssociato::Set_TOTALE(const Decimal& value)
{
    TOTALE = value;
    TOTALE.Round3(m_nPrecisioneTotali);
}

void CDomainDocumentoAssociato::Set_TOTALE_IVA(const Decimal& value)
{
    TOTALE_IVA = value;
    TOTALE_IVA.Round3(m_nPrecisioneTotali);
}

void CDomainDocumentoAssociato::Set_SCONTO_EXTRA(const Decimal& value)
{
    SCONTO_EXTRA = value;
    SCONTO_EXTRA.Round3(m_nPrecisioneSconti);
}

bool CDomainDocumentoAssociato::DB_Load()
{
    CRicercaDocumentoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID_DOCUMENTO = %ld", ID);
    rs.Open();
    if (rs.IsEOF())
        return false;
    FromRecordset(rs);
    rs.Close();
    return true;
}

// The link views name the summary columns alike (REF_...); the container links carry no amounts.
template <typename LinkSet>
void CDomainDocumentoAssociato::CopyLinkColumns(const LinkSet& rs)
{
    ID = rs.REF_ID_DOCUMENTO;
    NUMERO = rs.REF_NUMERO;
    SERIE = rs.REF_SERIE;
    Set_DATA_DOCUMENTO(rs.REF_DATA_DOCUMENTO);
    DATA_MOVIMENTO = rs.REF_DATA_MOVIMENTO;
    CAUSALE_ID = rs.REF_CAUSALE_ID;
    CAUSALE_DESCRIZIONE = rs.REF_CAUSALE_DESCRIZIONE;
    TIPO_DOCUMENTO = rs.REF_TIPO_DOCUMENTO;
}

void CDomainDocumentoAssociato::FromRecordset(const CDocumentiReferenziatiSet& rs)
{
    CopyLinkColumns(rs);
    Set_TOTALE(rs.REF_TOTALE);
    Set_TOTALE_IVA(rs.REF_TOTALE_IVA);
    Set_SCONTO_EXTRA(rs.REF_SCONTO_EXTRA);
}

void CDomainDocumentoAssociato::FromRecordset(const CRicercaDocumentoSet& rs)
{
    ID = rs.ID_DOCUMENTO;
    NUMERO = rs.NUMERO;
    SERIE = rs.SERIE;
    Set_DATA_DOCUMENTO(rs.DATA_DOCUMENTO);
    DATA_MOVIMENTO = rs.DATA_MOVIMENTO;
    CAUSALE_ID = rs.ID_CAUSALE;
    CAUSALE_DESCRIZIONE = rs.DESC_CAUSALE;
    TIPO_DOCUMENTO = rs.TIPO_DOCUMENTO;
    Set_TOTALE(rs.TOTALE);
    Set_TOTALE_IVA(rs.TOTALE_IVA);
    Set_SCONTO_EXTRA(rs.SCONTO_EXTRA);
}

void CDomainDocumentoAssociato::FromRecordset(const CDocumentiVuotiReferenziatiSet& rs)
{
    CopyLinkColumns(rs);
}
