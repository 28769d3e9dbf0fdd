// Reading the records of an article import's CSV file.
#include "ArticleCsvReader.h"

namespace orvelmag {

ArticleCsvReader::ArticleCsvReader(std::istream& in) : m_in(in)
{
    // A byte-order mark that spreadsheet programs put in front of UTF-8 files.
    if (m_in.peek() == 0xEF) {
        char bom[3] = {};
        m_in.read(bom, 3);
        if (!(bom[0] == '\xEF' && bom[1] == '\xBB' && bom[2] == '\xBF')) {
            m_in.clear();
            m_in.seekg(0);
        }
    }
}

bool ArticleCsvReader::Next(std::vector<std::string>& fields, long& line, std::string& error)
{
    for (;;) {
        fields.clear();
        error.clear();
        if (m_in.peek() == std::char_traits<char>::eof())
            return false;
        line = m_line;
        ReadRecord(fields, error);
        if (fields.size() == 1 && fields[0].empty() && error.empty())
            continue;
        return true;
    }
}

int ArticleCsvReader::Get()
{
    // A line ends at LF, at CRLF (counted at its LF) and at a CR alone (old Mac files).
    const int c = m_in.get();
    if (c == '\n' || (c == '\r' && m_in.peek() != '\n'))
        ++m_line;
    return c;
}

bool ArticleCsvReader::EndOfRecord(int c)
{
    if (c == '\r' && m_in.peek() == '\n')
        c = Get();
    return c == '\n' || c == '\r' || c == std::char_traits<char>::eof();
}

void ArticleCsvReader::ReadRecord(std::vector<std::string>& fields, std::string& error)
{
    std::string field;
    for (;;) {
        int c = Get();
        if (c == '"' && field.empty()) {
            // A quoted field: up to the quote that is not doubled.
            for (;;) {
                c = Get();
                if (c == std::char_traits<char>::eof()) {
                    error = "a quoted field is not closed";
                    fields.push_back(field);
                    return;
                }
                if (c == '"') {
                    if (m_in.peek() == '"') {
                        Get();
                        field += '"';
                        continue;
                    }
                    break;
                }
                field += static_cast<char>(c);
            }
            c = Get();
            if (c != ',' && !EndOfRecord(c)) {
                if (error.empty())
                    error = "text follows the closing quote of field " + std::to_string(fields.size() + 1);
                // Keep reading to the end of the record so that the next one starts right.
                while (c != ',' && !EndOfRecord(c)) {
                    field += static_cast<char>(c);
                    c = Get();
                }
            }
        } else {
            while (c != ',' && !EndOfRecord(c)) {
                field += static_cast<char>(c);
                c = Get();
            }
        }
        fields.push_back(field);
        field.clear();
        if (c != ',')
            return;
    }
}

}  // namespace orvelmag
