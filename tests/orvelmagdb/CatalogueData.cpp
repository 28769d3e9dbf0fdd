// Reading the expected catalogue files.
#include "orvelmagdb/CatalogueData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvel::test {

namespace {

std::string Trim(const std::string& s)
{
    auto b = s.find_first_not_of(" \t\r");
    auto e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool ParseColumn(const std::string& text, ExpectedColumn& col)
{
    std::istringstream in(text);
    std::string code, flag;
    if (!(in >> col.name >> code))
        return false;
    while (in >> flag) {
        if (flag != "bare")
            return false;
        col.bare = true;
    }
    auto eq = code.find('=');
    if (eq != std::string::npos) {
        col.initial = code.substr(eq + 1);
        code = code.substr(0, eq);
    }
    if (code.size() > 1 && code[0] == 'T' && std::isdigit(static_cast<unsigned char>(code[1]))) {
        col.kind = "text";
        col.length = std::stoi(code.substr(1));
    } else if (code == "L") {
        col.kind = "long";
    } else if (code == "S") {
        col.kind = "int";
    } else if (code == "TS") {
        col.kind = "date-timestamp";
    } else if (code == "DT") {
        col.kind = "date-ole";
    } else if (code == "CT") {
        col.kind = "date-ctime";
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::vector<ExpectedRecordset> LoadExpectedCatalogue()
{
    std::vector<ExpectedRecordset> all;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(ORVEL_SOURCE_DIR "/tests/orvelmagdb/catalogue"))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        std::ifstream in(path);
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            line = Trim(line);
            if (line.empty() || line[0] == '#')
                continue;
            ExpectedRecordset rs;
            rs.file = path.filename().string();
            rs.line = lineNo;
            auto colon = line.find(" : ");
            if (colon == std::string::npos) {
                ADD_FAILURE() << rs.file << ":" << lineNo << ": no \" : \" before the columns";
                continue;
            }
            std::istringstream head(line.substr(0, colon));
            std::string word;
            head >> rs.className >> rs.source >> rs.connect;
            while (head >> word) {
                if (word == "private")
                    rs.exported = false;
                else if (word == "extends")
                    head >> rs.base;
                else
                    ADD_FAILURE() << rs.file << ":" << lineNo << ": unknown word " << word;
            }
            if (rs.source.size() < 3 || rs.source.front() != '[' || rs.source.back() != ']')
                ADD_FAILURE() << rs.file << ":" << lineNo << ": source must be bracketed";
            std::istringstream cols(line.substr(colon + 3));
            std::string colText;
            while (std::getline(cols, colText, ',')) {
                ExpectedColumn col;
                if (!ParseColumn(Trim(colText), col))
                    ADD_FAILURE() << rs.file << ":" << lineNo << ": bad column \"" << colText << "\"";
                rs.columns.push_back(col);
            }
            all.push_back(std::move(rs));
        }
    }
    return all;
}

}  // namespace orvel::test
