// Formatting shared by the date and span classes: strftime into a CString, and the %D %H %M %S
// codes of a span. Internal to the library.
#pragma once

#include <ctime>

#include "afx/Export.h"
#include "afx/String.h"

namespace afx_detail {

// strftime of the given parts with the current LC_TIME locale; an empty format gives "".
ORVEL_LOCAL CString FormatTm(const char* format, const std::tm& parts);

// Span codes: %D whole days, %H hours, %M minutes, %S seconds (the last three two digits), %%.
// Other characters are copied; an unknown code is copied as it stands.
ORVEL_LOCAL CString FormatSpanSeconds(const char* format, long long totalSeconds);

}  // namespace afx_detail
