// The warehouse article: construction, copy and destruction are the article's.
#include "orvelmagdb/domain/articles/DomainArticoloMagazzino.h"

CDomainArticoloMagazzino::CDomainArticoloMagazzino(CDatabase* pDatabase) : CDomainArticolo(pDatabase) {}

CDomainArticoloMagazzino::CDomainArticoloMagazzino(const CDomainArticoloMagazzino& other) = default;

CDomainArticoloMagazzino& CDomainArticoloMagazzino::operator=(const CDomainArticoloMagazzino& other) = default;

CDomainArticoloMagazzino::~CDomainArticoloMagazzino() = default;
