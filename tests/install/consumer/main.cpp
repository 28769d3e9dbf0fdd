// A host program that knows only the installed package: one header, one library.
#include <orvelmagdb/orvelmagdb.h>

#include <cstdio>

int main()
{
    Decimal price(CString("12.345"), 127);
    price.Round3(2);
    COleDateTime day(2026, 2, 28, 0, 0, 0);
    CString text;
    text.Format("ok %s %s %c", (LPCTSTR)price.ToString2(127, false), (LPCTSTR)day.Format("%Y-%m-%d"),
                CEANCode::GetEAN13CheckDigit("800123456789"));
    std::puts(text);
    return 0;
}
