#pragma once
// A stand-in application server on a free loopback port: answers the
// handshake as configured, hands every call to a handler and records what
// the client sent.

#include <boost/json.hpp>
#include <httplib.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct FakeReply
{
    int status = 200;
    std::string body = R"({"values":[]})";
};

class FakeServer
{
public:
    using Handler = std::function<FakeReply(const boost::json::object &request)>;

    FakeServer()
    {
        m_server.set_keep_alive_timeout(1);
        m_server.set_keep_alive_max_count(1000);
        m_server.set_tcp_nodelay(true);
        m_server.Post("/datasnap/handshake", [this](const httplib::Request &req, httplib::Response &res) {
            std::lock_guard lock(m_mutex);
            ++handshakes;
            handshakeBodies.push_back(boost::json::parse(req.body));
            remotePorts.push_back(req.remote_port);
            res.status = handshakeStatus;
            res.set_content(handshakeBody, "application/json");
        });
        m_server.Post("/datasnap/call", [this](const httplib::Request &req, httplib::Response &res) {
            Handler h;
            boost::json::object body;
            {
                std::lock_guard lock(m_mutex);
                body = boost::json::parse(req.body).as_object();
                calls.push_back(body);
                sessions.push_back(req.get_header_value("Tsm-Session"));
                remotePorts.push_back(req.remote_port);
                h = onCall;
            }
            const FakeReply r = h ? h(body) : FakeReply {};
            res.status = r.status;
            res.set_content(r.body, "application/json");
        });
        port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        for (int i = 0; i < 500 && !m_server.is_running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    ~FakeServer()
    {
        m_server.stop();
        m_thread.join();
    }

    // Replies to every call with this body.
    void reply(std::string body, int status = 200)
    {
        std::lock_guard lock(m_mutex);
        onCall = [body = std::move(body), status](const boost::json::object &) { return FakeReply { status, body }; };
    }

    boost::json::object lastCall()
    {
        std::lock_guard lock(m_mutex);
        return calls.empty() ? boost::json::object() : calls.back();
    }

    int port = -1;
    std::string handshakeBody = R"({"server":"TServerMethods1","protocol":1,"session":"oturum-1"})";
    int handshakeStatus = 200;
    Handler onCall;

    int handshakes = 0;
    std::vector<boost::json::value> handshakeBodies;
    std::vector<boost::json::object> calls;
    std::vector<std::string> sessions;
    std::vector<int> remotePorts;

private:
    std::mutex m_mutex;
    httplib::Server m_server;
    std::thread m_thread;
};
