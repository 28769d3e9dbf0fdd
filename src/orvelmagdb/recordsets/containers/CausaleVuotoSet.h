// CCausaleVuotoSet: movement reasons for containers.
#pragma once

#include "afx/Export.h"
#include "orvelmagdb/recordsets/catalogue/ContainerCatalogue.h"

class ORVEL_API CCausaleVuotoSet : public CRecordset {
    ORVEL_RECORDSET(CCausaleVuotoSet)
};
