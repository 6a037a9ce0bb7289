#pragma once

#include "runtime/Strings.h"

#include <cstdint>
#include <exception>

// Base of every failure the system raises: a narrow message in the ANSI code page.
class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : FMessage(std::move(message)) {}
    const AnsiString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    AnsiString FMessage;
};

// A list index out of range, a duplicate refused, a list used against its rules.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// The silent abort: ends an operation without anything being shown.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

// A call of an operation that the object's class leaves abstract.
class EAbstractError : public Exception {
public:
    EAbstractError() : Exception("Abstract Error") {}
};

class EOutOfMemory : public Exception {
public:
    EOutOfMemory() : Exception("Out of memory") {}
};

// A value or format that cannot be converted.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An operating system or interface call that failed with a status.
class EOSError : public Exception {
public:
    EOSError(AnsiString message, std::int32_t errorCode)
        : Exception(std::move(message)), FErrorCode(errorCode) {}
    std::int32_t ErrorCode() const noexcept { return FErrorCode; }

private:
    std::int32_t FErrorCode;
};

[[noreturn]] void Abort();
