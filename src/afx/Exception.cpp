// Out-of-line members of the exception classes, so their type information lives in the library.
#include "afx/Exception.h"

#include <cstring>

CException::~CException() = default;
CInvalidArgException::~CInvalidArgException() = default;

int CException::GetErrorMessage(char* buffer, unsigned int maxLen, unsigned int* helpContext) const
{
    if (helpContext != nullptr)
        *helpContext = 0;
    if (buffer == nullptr || maxLen == 0)
        return m_message.empty() ? 0 : 1;
    std::size_t n = std::min<std::size_t>(m_message.size(), maxLen - 1);
    std::memcpy(buffer, m_message.data(), n);
    buffer[n] = '\0';
    return m_message.empty() ? 0 : 1;
}

void AfxThrowInvalidArgException()
{
    throw CInvalidArgException();
}

void AfxThrowInvalidArgException(const char* detail)
{
    throw CInvalidArgException(std::string("Invalid argument: ") + detail);
}
