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
    for (const char* text : {"", "ABC", "perché", "€ 10,50", "日本語", "😀 outside the BMP", "\x7f\xc2\x80"}) {
        WString wide = ToWide(text);
        EXPECT_EQ(FromWide(wide), text);
    }
    WString wide = ToWide("é€😀");
    ASSERT_EQ(wide.size(), 4u);  // é, €, and a surrogate pair
    EXPECT_EQ(wide[0], 0x00E9);
    EXPECT_EQ(wide[1], 0x20AC);
    EXPECT_EQ(wide[2], 0xD83D);
    EXPECT_EQ(wide[3], 0xDE00);
}

TEST(Unicode, InvalidUtf8IsReadAsLatin1)
{
    // "perché" in Latin-1, a truncated sequence, an overlong form and an encoded surrogate.
    EXPECT_EQ(FromWide(ToWide("perch\xe9")), "perché");
    EXPECT_EQ(FromWide(ToWide("a\xe2\x82")), "aâ\xc2\x82");
    EXPECT_EQ(ToWide("\xc0\xaf").size(), 2u);
    EXPECT_EQ(ToWide("\xed\xa0\x80").size(), 3u);
}

TEST(Unicode, LoneSurrogatesBecomeTheReplacementCharacter)
{
    const SQLWCHAR lone[] = {'a', 0xD800, 'b', 0xDC00};
    EXPECT_EQ(FromWide(lone, 4), "a\xef\xbf\xbd" "b\xef\xbf\xbd");
    const SQLWCHAR highAtEnd[] = {0xD83D};
    EXPECT_EQ(FromWide(highAtEnd, 1), "\xef\xbf\xbd");
}

}  // namespace
