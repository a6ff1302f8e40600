#include "platform/wire/wiresession.h"

#include "platform/wire/replyparse.h"
#include "platform/wire/wireerror.h"
#include "platform/wire/wiretypes.h"

#include <boost/json.hpp>
#include <httplib.h>

namespace json = boost::json;

namespace wire {

namespace {

constexpr char jsonType[] = "application/json";
constexpr std::size_t maxSessionLength = 64;

template<class Rep, class Period> std::pair<time_t, time_t> secUsec(std::chrono::duration<Rep, Period> d)
{
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(d).count();
    return { time_t(us / 1000000), time_t(us % 1000000) };
}

// The session id travels in a header: only visible ASCII may go there.
bool validSession(const json::value *v)
{
    if (!v || !v->is_string())
        return false;
    const json::string &s = v->get_string();
    if (s.empty() || s.size() > maxSessionLength)
        return false;
    for (char c : s)
        if (c < 0x21 || c > 0x7e)
            return false;
    return true;
}

} // namespace

WireSession::WireSession(Endpoint endpoint, Timeouts timeouts)
    : m_endpoint(std::move(endpoint))
    , m_timeouts(timeouts)
{ }

WireSession::~WireSession() = default;

std::string WireSession::path(std::string_view name) const
{
    std::string p = "/";
    std::string_view ctx = m_endpoint.context;
    while (!ctx.empty() && ctx.front() == '/')
        ctx.remove_prefix(1);
    while (!ctx.empty() && ctx.back() == '/')
        ctx.remove_suffix(1);
    if (!ctx.empty()) {
        p += ctx;
        p += '/';
    }
    p += name;
    return p;
}

void WireSession::open()
{
    close();
    auto client = std::make_unique<httplib::Client>(m_endpoint.host, m_endpoint.port);
    // The library's defaults (300 s connect, 5 s read) do not fit the protocol.
    const auto [cs, cus] = secUsec(m_timeouts.connect);
    client->set_connection_timeout(cs, cus);
    const auto [hs, hus] = secUsec(m_timeouts.handshakeRead);
    client->set_read_timeout(hs, hus);
    client->set_write_timeout(hs, hus);
    client->set_keep_alive(true);
    // Headers and body go out as separate writes; without this each call waits for a delayed ACK.
    client->set_tcp_nodelay(true);

    json::object req;
    req["protocol"] = protocolVersion;
    req["client"] = "TarnevoOto";
    const httplib::Result res = client->Post(path("handshake"), json::serialize(req), jsonType);
    const json::object reply = replyObject(res);

    const json::value *server = reply.if_contains("server");
    if (!server || !server->is_string() || server->get_string() != serverClassName)
        throw HandshakeError(QStringLiteral("Sunucu tanınmadı: %1 bekleniyordu")
                                 .arg(QLatin1String(serverClassName.data(), qsizetype(serverClassName.size()))));
    const json::value *protocol = reply.if_contains("protocol");
    const bool protocolOk = protocol
        && ((protocol->is_int64() && protocol->get_int64() == protocolVersion)
            || (protocol->is_uint64() && protocol->get_uint64() == std::uint64_t(protocolVersion)));
    if (!protocolOk)
        throw HandshakeError(
            QStringLiteral("Sunucu protokol sürümü desteklenmiyor: %1 bekleniyordu").arg(protocolVersion));
    const json::value *session = reply.if_contains("session");
    if (!validSession(session))
        throw TransportError(QStringLiteral("Sunucunun oturum yanıtı geçersiz (HTTP %1)").arg(res->status));

    m_session = std::string(session->get_string());
    const auto [ts, tus] = secUsec(m_timeouts.call);
    client->set_read_timeout(ts, tus);
    client->set_write_timeout(ts, tus);
    client->set_default_headers({ { "Tsm-Session", m_session } });
    m_client = std::move(client);
}

void WireSession::close()
{
    m_client.reset();
    m_session.clear();
}

json::array WireSession::call(std::string_view command, json::array params)
{
    if (!m_client)
        throw TransportError(QStringLiteral("Sunucu bağlantısı açık değil"));
    json::object req;
    req["command"] = command;
    req["params"] = std::move(params);
    const httplib::Result res = m_client->Post(path("call"), json::serialize(req), jsonType);
    json::object reply = replyObject(res);
    json::value *values = reply.if_contains("values");
    if (!values || !values->is_array())
        throw TransportError(QStringLiteral("Sunucu yanıtı geçersiz (HTTP %1): \"values\" yok").arg(res->status));
    return std::move(values->get_array());
}

} // namespace wire
