// Exceptions of the framework stand-in. Every exception the library throws derives from
// CException, which is a std::exception, so a host can catch either family.
#pragma once

#include <exception>
#include <string>

#include "afx/Export.h"

class ORVEL_API CException : public std::exception {
public:
    CException() = default;
    explicit CException(std::string message) : m_message(std::move(message)) {}
    ~CException() override;
    const char* what() const noexcept override { return m_message.c_str(); }

    // Copies the description into the caller's buffer (at most maxLen characters including the
    // terminator), as the framework's exceptions do; returns TRUE when there was one.
    int GetErrorMessage(char* buffer, unsigned int maxLen, unsigned int* helpContext = nullptr) const;

protected:
    std::string m_message;
};

// Thrown for an index out of range or another argument that a container or string cannot take.
class ORVEL_API CInvalidArgException : public CException {
public:
    explicit CInvalidArgException(std::string message = "Invalid argument")
        : CException(std::move(message)) {}
    ~CInvalidArgException() override;
};

[[noreturn]] ORVEL_API void AfxThrowInvalidArgException();
[[noreturn]] ORVEL_API void AfxThrowInvalidArgException(const char* detail);
