#pragma once
// The client's connection to the application server: named settings as the
// main window's bagc carries them, and at most one open wire session. A
// connection is used by one thread at a time; background work uses a clone.

#include "platform/wire/wiresession.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class Connection
{
public:
    // The design-time settings; HostName is a placeholder until set.
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Empty for a setting that does not exist.
    QString param(const QString &name) const;
    // Takes effect at the next open.
    void setParam(const QString &name, const QString &value);
    const QList<QPair<QString, QString>> &params() const { return m_params; }

    // The same settings, closed.
    std::unique_ptr<Connection> clone() const;

    // Starts a new session; throws wire::WireError when that fails (the
    // connection is closed then).
    void open();
    void close();
    bool isOpen() const;

    // The open session; null while closed.
    wire::WireSession *session() const { return m_session.get(); }

    // Time-outs of the protocol by default; tests shorten them.
    void setTimeouts(const wire::Timeouts &t) { m_timeouts = t; }
    const wire::Timeouts &timeouts() const { return m_timeouts; }

private:
    QList<QPair<QString, QString>> m_params;
    wire::Timeouts m_timeouts;
    std::unique_ptr<wire::WireSession> m_session;
};
