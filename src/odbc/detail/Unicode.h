// Text conversion between our CString (UTF-8 bytes) and the UTF-16 that the wide ODBC API
// speaks. The layer talks to every driver through the wide API so that text reaches the
// database unchanged whatever the process locale: the PostgreSQL Unicode driver would otherwise
// convert narrow text through the locale's character set.
//
// Bytes that are not valid UTF-8 are taken as Latin-1 characters (one byte, one character), so
// that text from older Latin-1 data is stored readably instead of being refused or cut; a lone
// UTF-16 surrogate read back from a driver becomes U+FFFD.
#pragma once

#include <sql.h>
#include <string>
#include <string_view>

namespace orvel::odbc::detail {

using WString = std::basic_string<SQLWCHAR>;

WString ToWide(std::string_view utf8);
std::string FromWide(const SQLWCHAR* text, std::size_t length);
inline std::string FromWide(const WString& text) { return FromWide(text.data(), text.size()); }

}  // namespace orvel::odbc::detail
