// The handshake and the transport of a connection against a fake server.
#include "fakeserver.h"

#include "platform/wire/wireerror.h"
#include "server/connection.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace json = boost::json;

namespace {

std::unique_ptr<Connection> connectionTo(int port)
{
    auto c = std::make_unique<Connection>();
    c->setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    c->setParam(QStringLiteral("Port"), QString::number(port));
    return c;
}

// A loopback socket that listens but never answers; -1 when it cannot be made.
struct SilentListener
{
    int fd = -1;
    int port = 0;
    SilentListener()
    {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a {};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&a), len) != 0 || ::listen(fd, 4) != 0
            || ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len) != 0)
            return;
        port = ntohs(a.sin_port);
    }
    ~SilentListener()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

TEST(Connection, DesignTimeSettingsAndClone)
{
    Connection c;
    const std::pair<const char *, const char *> expected[] = {
        { "ConnectionName", "DataSnapCONNECTION" },
        { "DriverName", "DataSnap" },
        { "CommunicationProtocol", "tcp/ip" },
        { "Port", "9090" },
        { "DatasnapContext", "datasnap/" },
        { "DSProxyPort", "8090" },
        { "Filters", "{}" },
        { "LoginPrompt", "False" },
    };
    for (const auto &[name, value] : expected)
        EXPECT_EQ(c.param(QLatin1String(name)), QLatin1String(value)) << name;
    EXPECT_TRUE(c.param(QStringLiteral("Yok")).isEmpty());

    c.setParam(QStringLiteral("HostName"), QStringLiteral("sunucu.example"));
    const auto copy = c.clone();
    EXPECT_EQ(copy->params(), c.params());
    EXPECT_FALSE(copy->isOpen());

    const wire::Timeouts t;
    EXPECT_EQ(t.connect, std::chrono::seconds(3));
    EXPECT_EQ(t.handshakeRead, std::chrono::seconds(5));
    EXPECT_EQ(t.call, std::chrono::seconds(60));
}

TEST(Connection, HandshakeOpensASessionAndCallsReuseOneTcpConnection)
{
    FakeServer server;
    auto c = connectionTo(server.port);
    c->open();
    ASSERT_TRUE(c->isOpen());
    EXPECT_EQ(c->session()->sessionId(), "oturum-1");
    ASSERT_EQ(server.handshakeBodies.size(), 1u);
    EXPECT_EQ(server.handshakeBodies[0], json::parse(R"({"protocol":1,"client":"TarnevoOto"})"));

    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(c->session()->call("TServerMethods1.X", {}).empty());
    ASSERT_EQ(server.sessions.size(), 7u);
    for (const auto &s : server.sessions)
        EXPECT_EQ(s, "oturum-1");
    // The handshake and every call came over the same client port.
    for (int p : server.remotePorts)
        EXPECT_EQ(p, server.remotePorts.front());

    c->close();
    EXPECT_FALSE(c->isOpen());
    EXPECT_EQ(c->session(), nullptr);
}

TEST(Connection, HandshakeRejected)
{
    struct Case
    {
        const char *why;
        int status;
        const char *body;
    };
    const Case cases[] = {
        { "another server", 200, R"({"server":"TServerMethods2","protocol":1,"session":"s"})" },
        { "another version", 200, R"({"server":"TServerMethods1","protocol":2,"session":"s"})" },
        { "version as text", 200, R"({"server":"TServerMethods1","protocol":"1","session":"s"})" },
        { "no session", 200, R"({"server":"TServerMethods1","protocol":1})" },
        { "session with a line break", 200, R"({"server":"TServerMethods1","protocol":1,"session":"a\r\nX: y"})" },
        { "not JSON", 200, "<html>" },
        { "error reply", 500, R"({"error":{"class":"EServerError","message":"Bakımda"}})" },
        { "not found", 404, "yok" },
    };
    for (const Case &k : cases) {
        FakeServer server;
        server.handshakeStatus = k.status;
        server.handshakeBody = k.body;
        auto c = connectionTo(server.port);
        EXPECT_THROW(c->open(), wire::WireError) << k.why;
        EXPECT_FALSE(c->isOpen()) << k.why;
    }
}

TEST(Connection, NoAnswerFailsWithinTheReadTimeout)
{
    SilentListener silent;
    ASSERT_GT(silent.port, 0);
    auto c = connectionTo(silent.port);
    c->setTimeouts({ std::chrono::milliseconds(300), std::chrono::milliseconds(300), std::chrono::milliseconds(300) });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(c->open(), wire::TransportError);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_FALSE(c->isOpen());
}

TEST(Connection, ClosedPortAndBadSettingsFailToOpen)
{
    int closedPort;
    {
        SilentListener l;
        closedPort = l.port;
    }
    auto c = connectionTo(closedPort);
    EXPECT_THROW(c->open(), wire::TransportError);

    for (const char *port : { "", "abc", "0", "70000" }) {
        c->setParam(QStringLiteral("Port"), QLatin1String(port));
        EXPECT_THROW(c->open(), wire::TransportError) << port;
    }
    EXPECT_FALSE(c->isOpen());
}

TEST(Connection, ErrorRepliesAndMalformedReplies)
{
    FakeServer server;
    auto c = connectionTo(server.port);
    c->open();

    server.reply(R"({"error":{"class":"EServerError","message":"Veritabanı hatası: kilitli"}})", 500);
    try {
        c->session()->call("TServerMethods1.SepetVer2", {});
        ADD_FAILURE() << "no error";
    } catch (const wire::RemoteError &e) {
        EXPECT_EQ(e.className(), QStringLiteral("EServerError"));
        EXPECT_EQ(e.text(), QStringLiteral("Veritabanı hatası: kilitli"));
    }

    const std::pair<int, const char *> malformed[] = { { 502, "Bad Gateway" },
                                                       { 200, "[1]" },
                                                       { 200, R"({"x":1})" },
                                                       { 200, R"({"values":3})" },
                                                       { 401, R"({"error":"x"})" } };
    for (const auto &[status, body] : malformed) {
        server.reply(body, status);
        try {
            c->session()->call("TServerMethods1.SepetVer2", {});
            ADD_FAILURE() << body;
        } catch (const wire::TransportError &e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("HTTP %1").arg(status))) << e.what();
        }
    }
}
