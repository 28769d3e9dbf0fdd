// The expected recordset catalogue, read from the files under catalogue/: for each class, the
// source it reads, the connect string it reports, whether hosts see it, its base and its columns.
#pragma once

#include <string>
#include <vector>

namespace orvel::test {

struct ExpectedColumn {
    std::string name;
    std::string kind;  // "text", "long", "int", "date-timestamp", "date-ole", "date-ctime"
    int length = 0;  // for text
    std::string initial;  // value of a new recordset when not empty / zero
    bool bare = false;  // bound without brackets
};

struct ExpectedRecordset {
    std::string className;
    std::string source;
    std::string connect;
    bool exported = true;
    std::string base;  // empty: derives from CRecordset directly
    std::vector<ExpectedColumn> columns;
    std::string file;
    int line = 0;
};

// Every class of every catalogue file; a malformed line fails the calling test.
std::vector<ExpectedRecordset> LoadExpectedCatalogue();

}  // namespace orvel::test
