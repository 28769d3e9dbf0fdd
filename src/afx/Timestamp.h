// TIMESTAMP_STRUCT, the date-and-time record that ODBC binds to timestamp columns. It is the
// unixODBC structure itself (year, month, day, hour, minute, second, fraction), so a member of
// this type can be handed to the driver without conversion.
#pragma once

#include <sqltypes.h>

#include "afx/Types.h"
