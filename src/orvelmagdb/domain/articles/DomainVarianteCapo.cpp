// The garment variant holds values only; its destructor is virtual because the garment object
// derives from it as well as from the article.
#include "orvelmagdb/domain/articles/DomainVarianteCapo.h"

CDomainVarianteCapo::~CDomainVarianteCapo() = default;
