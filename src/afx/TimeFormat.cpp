// Formatting shared by the date and span classes (see TimeFormat.h).
#include "afx/detail/TimeFormat.h"

#include <cstdio>
#include <string>
#include <vector>

namespace afx_detail {

CString FormatTm(const char* format, const std::tm& parts)
{
    if (format == nullptr || *format == '\0')
        return CString();
    // strftime gives 0 both for an empty result and for a buffer too small: grow a few times,
    // then settle for the empty text rather than loop forever.
    std::size_t size = 256;
    for (int attempt = 0; attempt < 8; ++attempt, size *= 4) {
        std::vector<char> buffer(size);
        const std::size_t n = std::strftime(buffer.data(), buffer.size(), format, &parts);
        if (n > 0)
            return CString(std::string(buffer.data(), n));
    }
    return CString();
}

CString FormatSpanSeconds(const char* format, long long totalSeconds)
{
    std::string out;
    if (format == nullptr)
        return CString();
    const long long daysPart = totalSeconds / 86400;
    const long long hoursPart = totalSeconds / 3600 % 24;
    const long long minutesPart = totalSeconds / 60 % 60;
    const long long secondsPart = totalSeconds % 60;
    char number[32];
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case 'D': std::snprintf(number, sizeof number, "%lld", daysPart); out += number; break;
        case 'H': std::snprintf(number, sizeof number, "%02lld", hoursPart); out += number; break;
        case 'M': std::snprintf(number, sizeof number, "%02lld", minutesPart); out += number; break;
        case 'S': std::snprintf(number, sizeof number, "%02lld", secondsPart); out += number; break;
        case '%': out += '%'; break;
        default: out += '%'; out += *p; break;
        }
    }
    return CString(std::move(out));
}

}  // namespace afx_detail
