// The UTF-8 <-> UTF-16 conversion behind the wide ODBC API: exact for valid text, and defined
// for bytes or code units that are not.
#include <gtest/gtest.h>

#include "odbc/detail/Unicode.h"

namespace {

using orvel::odbc::detail::FromWide;
using orvel::odbc::detail::ToWide;
using orvel::odbc::detail::WString;

TEST(Unicode, ValidTextRoundTripsExactly)
{
    for (const char* text : {"", "ABC", "perché", "€ 10,50", "日本語", "😀 outside the BMP", "\x7f\xc2\x80"})
        EXPECT_EQ(FromWide(ToWide(text)), text);
    // é, €, and a surrogate pair.
    EXPECT_EQ(ToWide("é€😀"), (WString{0x00E9, 0x20AC, 0xD83D, 0xDE00}));
}

TEST(Unicode, InvalidInputHasADefinedReading)
{
    // Bytes that are not UTF-8 are read as Latin-1: "perché" in Latin-1, a truncated sequence, an
    // overlong form and an encoded surrogate.
    EXPECT_EQ(FromWide(ToWide("perch\xe9")), "perché");
    EXPECT_EQ(FromWide(ToWide("a\xe2\x82")), "aâ\xc2\x82");
    EXPECT_EQ(ToWide("\xc0\xaf").size(), 2u);
    EXPECT_EQ(ToWide("\xed\xa0\x80").size(), 3u);
    // Lone surrogates become the replacement character.
    const SQLWCHAR lone[] = {'a', 0xD800, 'b', 0xDC00, 0xD83D};
    EXPECT_EQ(FromWide(lone, 4), "a\xef\xbf\xbd" "b\xef\xbf\xbd");
    EXPECT_EQ(FromWide(lone + 4, 1), "\xef\xbf\xbd");
}

}  // namespace
