// CDomainArticoloMagazzino: the article as the warehouse programs name it. It is the article
// itself, with nothing added, so that those programs have a class of their own to hold.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"

class ORVEL_API CDomainArticoloMagazzino : public CDomainArticolo {
public:
    explicit CDomainArticoloMagazzino(CDatabase* pDatabase = nullptr);
    CDomainArticoloMagazzino(const CDomainArticoloMagazzino& other);
    CDomainArticoloMagazzino& operator=(const CDomainArticoloMagazzino& other);
    ~CDomainArticoloMagazzino() override;
};
