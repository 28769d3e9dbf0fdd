// CDomainListaScadenze: the instalments of one schedule, held by value. Saving the list sorts the
// instalments by due date and position, numbers them 1..n, inserts the new ones (ID not above 0),
// updates the others and, on an edit, deletes the schedule's instalment rows that are no longer
// in the list. The list never deletes the schedule's instalments as a whole: a delete save fails.
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/payments/DomainScadenza.h"

class ORVEL_API CDomainListaScadenze : public CDomainClass, public CArray<CDomainScadenza, CDomainScadenza&> {
public:
    explicit CDomainListaScadenze(CDatabase* pDatabase = nullptr);
    CDomainListaScadenze(const CDomainListaScadenze& other);
    CDomainListaScadenze& operator=(const CDomainListaScadenze& other);
    ~CDomainListaScadenze() override;

    // The sum of the amounts of every instalment, settled or not.
    Decimal Get_TOTALE_SCADENZE() const;

protected:
    bool DB_Update(EDB_Operation op) override;
};
