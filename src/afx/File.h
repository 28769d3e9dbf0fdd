// CFile: of the framework's file class, the status query that the library uses to test whether
// a print-model file exists. CFileStatus carries the file's times (local CTime), size,
// attribute bits and absolute path.
#pragma once

#include "afx/Export.h"
#include "afx/Time.h"
#include "afx/Types.h"

struct CFileStatus {
    CTime m_ctime;               // last status change (Linux keeps no creation time)
    CTime m_mtime;               // last modification
    CTime m_atime;               // last access
    unsigned long long m_size;   // bytes
    BYTE m_attribute;            // CFile::Attribute bits
    char m_szFullName[4096];     // absolute path, lexically normalised
};

class ORVEL_API CFile {
public:
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    // Fills rStatus and returns TRUE when the path names an existing file or directory
    // (symbolic links followed). Returns FALSE, leaving rStatus unspecified, for a null or empty
    // path, a missing file, or an absolute path too long for m_szFullName.
    static BOOL GetStatus(const char* lpszFileName, CFileStatus& rStatus);
};
