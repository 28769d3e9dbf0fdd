// Names of the binding kinds, as catalogue tests and error messages print them.
#include "odbc/FieldInfo.h"

const char* CFieldInfo::KindName(Kind kind)
{
    switch (kind) {
    case text: return "text";
    case longValue: return "long";
    case intValue: return "int";
    case dateTimestamp: return "date-timestamp";
    case dateOle: return "date-ole";
    case dateCTime: return "date-ctime";
    }
    return "unknown";
}
