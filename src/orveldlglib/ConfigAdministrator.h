// CConfigAdministrator: the host's configuration store. Keys are lower-case paths such as
// "precisione/prezzi"; values are text. The store is filled by the host, with SetParam or from a
// key=value file, and read by the library whenever an object is built or an operation runs.
// It is used from the host's thread only and takes no lock.
#pragma once

#include <map>
#include <string>

#include "afx/Exception.h"
#include "afx/Export.h"
#include "afx/String.h"
#include "afx/StringArray.h"

// A configuration file that cannot be read, or a line in it that is not key=value.
class ORVEL_API CConfigException : public CException {
public:
    using CException::CException;
    ~CConfigException() override;
};

class ORVEL_API CConfigAdministrator {
public:
    // The stored text of a key; an absent key gives the empty text.
    CString GetParam(const CString& key) const;
    // The stored value read as a whole number, as atoi/atol read it: an absent key, an empty
    // value or a value that does not start with a number gives 0; "12abc" gives 12.
    int GetParamAsInt(const CString& key) const;
    long GetParamAsLong(const CString& key) const;

    bool HasParam(const CString& key) const;
    void SetParam(const CString& key, const CString& value);
    bool RemoveParam(const CString& key);
    void RemoveAll();
    // Every key, in text order.
    CStringArray GetKeys() const;

    // Reads a file of "key=value" lines into the store, over the values already there. Blank lines
    // and lines whose first non-blank character is '#' are skipped; blanks around key and value
    // are trimmed; the value is everything after the first '='. A file that cannot be opened, or
    // a line without '=' or with an empty key, throws CConfigException naming the file and the
    // line, and then nothing of the file is applied.
    void LoadFile(const CString& path);
    // The same from text already in memory; origin names it in error messages.
    void LoadText(const CString& text, const CString& origin);

private:
    std::map<std::string, std::string> m_values;
};
