// CDomainInfoPromozione: four amounts at 0, carried as they are.
#include "orvelmagdb/domain/promotions/DomainInfoPromozione.h"

CDomainInfoPromozione::CDomainInfoPromozione(CDatabase* pDatabase) : CDomainClass(pDatabase) {}

CDomainInfoPromozione::~CDomainInfoPromozione() = default;
