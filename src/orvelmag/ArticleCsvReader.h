// ArticleCsvReader: splits the CSV file of an article import into records, keeping the line each
// record starts on so that a bad row can be reported by it. The usual CSV rules: fields are
// separated by commas; a field in double quotes may hold commas, line breaks and doubled quotes;
// lines end in LF, CRLF or CR; blank lines are skipped; a UTF-8 byte-order mark at the start is dropped.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace orvelmag {

class ArticleCsvReader {
public:
    explicit ArticleCsvReader(std::istream& in);

    // The next record that is not a blank line; false at the end of the file. A malformed
    // record (text after a closing quote, a quote never closed) still comes back whole, with
    // `error` saying what is wrong with it, and reading goes on with the next record.
    bool Next(std::vector<std::string>& fields, long& line, std::string& error);

private:
    int Get();
    // True at the end of a record (the line break is consumed).
    bool EndOfRecord(int c);
    void ReadRecord(std::vector<std::string>& fields, std::string& error);

    std::istream& m_in;
    long m_line = 1;
};

}  // namespace orvelmag
