#include "server/connection.h"

#include "platform/wire/wireerror.h"

Connection::Connection()
    : m_params({
        { QStringLiteral("ConnectionName"), QStringLiteral("DataSnapCONNECTION") },
        { QStringLiteral("DriverName"), QStringLiteral("DataSnap") },
        { QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip") },
        { QStringLiteral("HostName"), QStringLiteral("localhost") },
        { QStringLiteral("Port"), QStringLiteral("9090") },
        { QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/") },
        { QStringLiteral("DSProxyPort"), QStringLiteral("8090") },
        { QStringLiteral("Filters"), QStringLiteral("{}") },
        { QStringLiteral("LoginPrompt"), QStringLiteral("False") },
    })
{ }

Connection::~Connection() = default;

QString Connection::param(const QString &name) const
{
    for (const auto &p : m_params)
        if (p.first == name)
            return p.second;
    return {};
}

void Connection::setParam(const QString &name, const QString &value)
{
    for (auto &p : m_params)
        if (p.first == name) {
            p.second = value;
            return;
        }
    m_params.append({ name, value });
}

std::unique_ptr<Connection> Connection::clone() const
{
    auto c = std::make_unique<Connection>();
    c->m_params = m_params;
    c->m_timeouts = m_timeouts;
    return c;
}

void Connection::open()
{
    close();
    bool ok = false;
    const int port = param(QStringLiteral("Port")).trimmed().toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        throw wire::TransportError(QStringLiteral("Geçersiz sunucu portu: \"%1\"").arg(param(QStringLiteral("Port"))));
    const QString host = param(QStringLiteral("HostName")).trimmed();
    if (host.isEmpty())
        throw wire::TransportError(QStringLiteral("Sunucu adı boş"));

    wire::Endpoint ep { host.toStdString(), port, param(QStringLiteral("DatasnapContext")).toStdString() };
    auto s = std::make_unique<wire::WireSession>(std::move(ep), m_timeouts);
    s->open();
    m_session = std::move(s);
}

void Connection::close()
{
    m_session.reset();
}

bool Connection::isOpen() const
{
    return m_session && m_session->isOpen();
}
