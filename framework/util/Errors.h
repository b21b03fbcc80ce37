#pragma once

#include <QString>
#include <stdexcept>

namespace fw {

// The framework's exception family: every error the system raises on purpose derives from it,
// and windows catch it to show its text.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Ends the current operation without a message of its own; the message was shown already.
class AbortError : public Error {
public:
    explicit AbortError(const QString& message) : Error(message) {}
};

// A text that cannot be read as the date, number or time it should hold.
class ConversionError : public Error {
public:
    using Error::Error;
};

// The settings store could not be read or written.
class RegistryError : public Error {
public:
    using Error::Error;
};

// An error of the database engine, carrying the engine's own text.
class DatabaseError : public Error {
public:
    using Error::Error;
};

}  // namespace fw
