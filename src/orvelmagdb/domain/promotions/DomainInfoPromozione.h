// CDomainInfoPromozione: four amounts that a host keeps beside a promotion it applies. The library
// gives them no meaning: they start at 0 and travel with the object when it is copied.
#pragma once

#include "afx/Export.h"
#include "orveldblib/Decimal.h"
#include "orveldblib/DomainClass.h"

class ORVEL_API CDomainInfoPromozione : public CDomainClass {
public:
    explicit CDomainInfoPromozione(CDatabase* pDatabase = nullptr);
    CDomainInfoPromozione(const CDomainInfoPromozione& other) = default;
    CDomainInfoPromozione& operator=(const CDomainInfoPromozione& other) = default;
    ~CDomainInfoPromozione() override;

protected:
    Decimal m_valore1;
    Decimal m_valore2;
    Decimal m_valore3;
    Decimal m_valore4;
};
