// CFile::GetStatus over std::filesystem (existence, size, absolute path) and stat(2) (the
// three times, which std::filesystem does not all expose).
#include "afx/File.h"

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

BOOL CFile::GetStatus(const char* lpszFileName, CFileStatus& rStatus)
{
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return FALSE;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path path(lpszFileName);
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return FALSE;
    struct stat info {};
    if (::stat(lpszFileName, &info) != 0)
        return FALSE;

    const std::string fullName = fs::absolute(path, ec).lexically_normal().string();
    if (ec || fullName.size() >= sizeof rStatus.m_szFullName)
        return FALSE;
    std::memcpy(rStatus.m_szFullName, fullName.c_str(), fullName.size() + 1);

    rStatus.m_ctime = CTime(static_cast<__time64_t>(info.st_ctime));
    rStatus.m_mtime = CTime(static_cast<__time64_t>(info.st_mtime));
    rStatus.m_atime = CTime(static_cast<__time64_t>(info.st_atime));
    const bool isDirectory = fs::is_directory(status);
    rStatus.m_size = isDirectory ? 0 : static_cast<unsigned long long>(info.st_size);

    BYTE attribute = normal;
    if (isDirectory)
        attribute |= directory;
    // Read-only is a property of the file, as on the framework's systems: nobody may write it.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        attribute |= readOnly;
    const std::string leaf = path.filename().string();
    if (!leaf.empty() && leaf[0] == '.' && leaf != "." && leaf != "..")
        attribute |= hidden;
    rStatus.m_attribute = attribute;
    return TRUE;
}
