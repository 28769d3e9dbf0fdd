// Configuration store and its key=value file reader.
#include "orveldlglib/ConfigAdministrator.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

CConfigException::~CConfigException() = default;

CString CConfigAdministrator::GetParam(const CString& key) const
{
    auto it = m_values.find(key.str());
    return it == m_values.end() ? CString() : CString(it->second);
}

int CConfigAdministrator::GetParamAsInt(const CString& key) const
{
    return std::atoi(GetParam(key));
}

long CConfigAdministrator::GetParamAsLong(const CString& key) const
{
    return std::atol(GetParam(key));
}

bool CConfigAdministrator::HasParam(const CString& key) const
{
    return m_values.count(key.str()) != 0;
}

void CConfigAdministrator::SetParam(const CString& key, const CString& value)
{
    m_values[key.str()] = value.str();
}

bool CConfigAdministrator::RemoveParam(const CString& key)
{
    return m_values.erase(key.str()) != 0;
}

void CConfigAdministrator::RemoveAll()
{
    m_values.clear();
}

CStringArray CConfigAdministrator::GetKeys() const
{
    CStringArray keys;
    for (const auto& [key, value] : m_values)
        keys.Add(CString(key));
    return keys;
}

void CConfigAdministrator::LoadFile(const CString& path)
{
    std::ifstream in(path.str(), std::ios::binary);
    if (!in)
        throw CConfigException("configuration file " + path.str() + ": cannot be opened");
    std::ostringstream text;
    text << in.rdbuf();
    LoadText(CString(text.str()), path);
}

void CConfigAdministrator::LoadText(const CString& text, const CString& origin)
{
    // Parse everything first, so a malformed line leaves the store as it was.
    std::map<std::string, std::string> parsed;
    std::istringstream lines(text.str());
    std::string raw;
    int lineNo = 0;
    while (std::getline(lines, raw)) {
        ++lineNo;
        CString line(raw);
        line.Trim();
        if (line.IsEmpty() || line[0] == '#')
            continue;
        int eq = line.Find('=');
        CString key = eq < 0 ? line : line.Left(eq);
        key.Trim();
        if (eq < 0 || key.IsEmpty()) {
            throw CConfigException(origin.str() + ":" + std::to_string(lineNo) + ": expected key=value, found \"" +
                                   line.str() + "\"");
        }
        CString value = line.Mid(eq + 1);
        value.Trim();
        parsed[key.str()] = value.str();
    }
    for (auto& [key, value] : parsed)
        m_values[key] = std::move(value);
}
