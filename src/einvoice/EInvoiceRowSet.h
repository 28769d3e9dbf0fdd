// CEInvoiceRowSet: the rows of one query of the e-invoice, eight text columns C1 ... C8. The
// exporter reads what no library object holds whole (the seller's company and site, a partner's
// address and recipient code, the nature of a VAT code, a document's instalments) with a SELECT
// that names its columns C1 ... C8, unused ones as NULL; both databases hand any column over as
// text. Rows() runs such a query and answers its rows. The class is not registered with the
// class registry: it has no table of its own for the schema check to open.
#pragma once

#include <string>
#include <vector>

#include "odbc/RecordsetMacros.h"

#define ORVEL_COLUMNS_CEInvoiceRowSet(X)                                                                    \
    X(T, C1, 1000) X(T, C2, 1000) X(T, C3, 1000) X(T, C4, 1000) X(T, C5, 1000) X(T, C6, 1000) X(T, C7, 1000) \
    X(T, C8, 1000)

class CEInvoiceRowSet : public CRecordset {
public:
    explicit CEInvoiceRowSet(CDatabase* pDatabase);
    ~CEInvoiceRowSet() override;
    ORVEL_COLUMNS_CEInvoiceRowSet(ORVEL_RS_MEMBER)
    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

    using Row = std::vector<std::string>;
    // Every row of the query, eight texts each (NULL as empty). Database errors reach the caller.
    static std::vector<Row> Rows(CDatabase& db, const CString& select);
};
