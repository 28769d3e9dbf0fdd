// The instalment list: its total and its save, which orders and numbers the instalments.
#include "orvelmagdb/domain/payments/DomainListaScadenze.h"

#include <algorithm>

#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"

CDomainListaScadenze::CDomainListaScadenze(CDatabase* pDatabase) : CDomainClass(pDatabase) {}

CDomainListaScadenze::CDomainListaScadenze(const CDomainListaScadenze& other) = default;

CDomainListaScadenze& CDomainListaScadenze::operator=(const CDomainListaScadenze& other) = default;

CDomainListaScadenze::~CDomainListaScadenze() = default;

Decimal CDomainListaScadenze::Get_TOTALE_SCADENZE() const
{
    Decimal totale(0L);
    for (INT_PTR i = 0; i < GetSize(); ++i)
        totale += GetAt(i).Get_IMPORTO();
    return totale;
}

bool CDomainListaScadenze::DB_Update(EDB_Operation op)
{
    if (op == DB_OPERATION_DELETE)
        return false;
    return ReportDBErrors([&] {
        CTransactionGuard guard(*this);
        // Instalment order is not a strict weak order when due dates differ in status, so it goes
        // through a merge sort, which stays safe and keeps such instalments in their list order.
        if (GetSize() > 1)
            std::stable_sort(GetData(), GetData() + GetSize(),
                             [](const CDomainScadenza& a, const CDomainScadenza& b) { return a < b; });

        const long count = static_cast<long>(GetSize());
        CString ids;
        long idScadenzario = -1;
        for (INT_PTR i = 0; i < GetSize(); ++i) {
            CDomainScadenza& scadenza = ElementAt(i);
            scadenza.Set_NUMERO(static_cast<long>(i) + 1);
            scadenza.Set_NUMERO_SCADENZE_SCADENZARIO(count);
            scadenza.SetTransController(false);
            const bool saved = scadenza.Get_ID() > 0 ? scadenza.DB_Edit() : scadenza.DB_AddNew();
            if (!saved)
                return false;
            CString id;
            id.Format("%ld", scadenza.Get_ID());
            ids += ids.IsEmpty() ? id : "," + id;
            idScadenzario = scadenza.Get_ID_SCADENZARIO();
        }

        // On an edit, the schedule's instalments no longer in the list go.
        if (op == DB_OPERATION_EDIT) {
            CString sql;
            sql.Format("DELETE FROM SCADENZA WHERE ( ID_SCADENZARIO = %d ) ", static_cast<int>(idScadenzario));
            if (!ids.IsEmpty())
                sql += " AND ( ID NOT IN ( " + ids + ") )";
            GetDatabase()->ExecuteSQL(sql);
        }
        guard.Commit();
        return true;
    });
}
