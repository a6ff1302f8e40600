#pragma once
// Errors of the wire transport. Every one carries a text fit for the user;
// callers that do not care which kind it was catch WireError.

#include <QString>

#include <stdexcept>
#include <string>

namespace wire {

class WireError : public std::runtime_error
{
public:
    explicit WireError(const QString &text)
        : std::runtime_error(text.toStdString())
    { }
    QString text() const { return QString::fromUtf8(what()); }
};

// The server answered with an error reply: its class name and its message,
// which is also what().
class RemoteError : public WireError
{
public:
    RemoteError(QString className, const QString &message)
        : WireError(message)
        , m_className(std::move(className))
    { }
    const QString &className() const { return m_className; }

private:
    QString m_className;
};

// No answer, a time-out, or an answer that is not a reply of the protocol.
class TransportError : public WireError
{
public:
    using WireError::WireError;
};

// The server answered the handshake, but it is not a server we can talk to.
class HandshakeError : public WireError
{
public:
    using WireError::WireError;
};

// A reply of the protocol whose values are not what the method gives (a text
// where a number is due, a malformed table, a record of another class).
class ReplyError : public WireError
{
public:
    using WireError::WireError;
};

} // namespace wire
