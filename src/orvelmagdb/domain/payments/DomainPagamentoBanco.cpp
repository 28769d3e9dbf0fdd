// A till payment of a document: its row mapping; amounts read back are rounded to the cent.
#include "orvelmagdb/domain/payments/DomainPagamentoBanco.h"

#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/recordsets/payments/PagamentoBancoSet.h"

CDomainPagamentoBanco::CDomainPagamentoBanco(CDatabase* pDatabase)
    : CDomainClass(pDatabase), ID_DOCUMENTO(-1), ID_TIPO_PAGAMENTO(-1)
{
}

CDomainPagamentoBanco::CDomainPagamentoBanco(const CDomainPagamentoBanco& other) = default;
CDomainPagamentoBanco& CDomainPagamentoBanco::operator=(const CDomainPagamentoBanco& other) = default;
CDomainPagamentoBanco::~CDomainPagamentoBanco() = default;

void CDomainPagamentoBanco::FromRecordSet(const CPagamentoBancoSet& rs)
{
    ID_DOCUMENTO = rs.ID_DOCUMENTO;
    ID_TIPO_PAGAMENTO = rs.ID_TIPO_PAGAMENTO;
    VALORE = Amounts::Rounded(Decimal(rs.VALORE, 127), 2);
}

void CDomainPagamentoBanco::ToRecordSet(CPagamentoBancoSet& rs) const
{
    rs.SetFieldNull(&rs.ID_DOCUMENTO, FALSE);
    rs.ID_DOCUMENTO = ID_DOCUMENTO;
    rs.SetFieldNull(&rs.ID_TIPO_PAGAMENTO, FALSE);
    rs.ID_TIPO_PAGAMENTO = ID_TIPO_PAGAMENTO;
    rs.SetFieldNull(&rs.VALORE, FALSE);
    rs.VALORE = ToStoredText(VALORE);
}
