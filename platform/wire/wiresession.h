#pragma once
// One session with the application server (docs/protocol.md): open performs
// the handshake, call posts one command and gives back the reply's values.
// A session is used by one thread at a time.

#include <boost/json/array.hpp>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace httplib {
class Client;
}

namespace wire {

struct Timeouts
{
    std::chrono::milliseconds connect { 3000 };
    std::chrono::milliseconds handshakeRead { 5000 };
    std::chrono::milliseconds call { 60000 }; // read and write of a call
};

struct Endpoint
{
    std::string host;
    int port = 9090;
    std::string context = "datasnap/"; // path prefix, with or without slashes
};

class WireSession
{
public:
    explicit WireSession(Endpoint endpoint, Timeouts timeouts = {});
    ~WireSession();
    WireSession(const WireSession &) = delete;
    WireSession &operator=(const WireSession &) = delete;

    // Connects and performs the handshake. Throws TransportError (no answer,
    // malformed reply), RemoteError (an error reply) or HandshakeError (another
    // server or protocol version); the session stays closed then.
    void open();
    // Drops the TCP connection; nothing is sent.
    void close();
    bool isOpen() const { return m_client != nullptr; }
    const std::string &sessionId() const { return m_session; }
    const Endpoint &endpoint() const { return m_endpoint; }

    // Posts {"command", "params"} and returns the reply's "values". Throws
    // RemoteError for an error reply, TransportError otherwise.
    boost::json::array call(std::string_view command, boost::json::array params);

    // "/datasnap/" + name; the callback channel builds its paths the same way.
    std::string path(std::string_view name) const;

private:
    Endpoint m_endpoint;
    Timeouts m_timeouts;
    std::unique_ptr<httplib::Client> m_client;
    std::string m_session;
};

} // namespace wire
