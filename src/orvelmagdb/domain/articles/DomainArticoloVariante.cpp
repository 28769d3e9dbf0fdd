// The priced option: its load by id from the view that names its article and category, and its
// price with and without VAT.
#include "orvelmagdb/domain/articles/DomainArticoloVariante.h"

#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/recordsets/stock/ArticoloVarianteCompletoSet.h"
#include "orvelmagdb/recordsets/stock/ArticoloVarianteSet.h"

CDomainArticoloVariante::CDomainArticoloVariante(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisionePrezzi(CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt("precisione/prezzi"))
{
}

CDomainArticoloVariante::~CDomainArticoloVariante() = default;

void CDomainArticoloVariante::Set_PREZZO(const Decimal& value) { (PREZZO = value).Round3(m_nPrecisionePrezzi); }

bool CDomainArticoloVariante::DB_Load()
{
    if (ID < 1)
        return false;
    CArticoloVarianteCompletoSet rs(GetDatabase());
    rs.m_strFilter.Format("ID = %ld", ID);
    rs.Open();
    if (rs.IsEOF())
        return false;
    FromRecordset(rs);
    rs.Close();
    return true;
}

void CDomainArticoloVariante::FromRecordset(const CArticoloVarianteSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    Set_PREZZO(Decimal(rs.PREZZO, 127));
    F_PREZZO_IVATO = rs.F_PREZZO_IVATO;
    ARTICOLO_ID = rs.ID_ARTICOLO;
    CATEGORIA_ID = rs.ID_CATEGORIA;
}

void CDomainArticoloVariante::FromRecordset(const CArticoloVarianteCompletoSet& rs)
{
    ID = rs.ID;
    DESCRIZIONE = rs.DESCRIZIONE;
    Set_PREZZO(Decimal(rs.PREZZO, 127));
    F_PREZZO_IVATO = rs.F_PREZZO_IVATO;
    ARTICOLO_ID = rs.ARTICOLO_ID;
    ARTICOLO_DESCRIZIONE = rs.ARTICOLO_DESCRIZIONE;
    CATEGORIA_ID = rs.CATEGORIA_ID;
    CATEGORIA_DESCRIZIONE = rs.CATEGORIA_DESCRIZIONE;
}

Decimal CDomainArticoloVariante::Get_PREZZO_IVA_ESCLUSA(const Decimal& vat) const
{
    if (F_PREZZO_IVATO == 0)
        return PREZZO;
    return PREZZO / (Decimal(1L) + Amounts::Fraction(vat));
}

Decimal CDomainArticoloVariante::Get_PREZZO_IVA_INCLUSA(const Decimal& vat) const
{
    if (F_PREZZO_IVATO != 0)
        return PREZZO;
    return PREZZO * (Decimal(1L) + Amounts::Fraction(vat));
}
