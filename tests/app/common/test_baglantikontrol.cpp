// The connection check: attempts, waits and the message, without sleeping.
#include "server/fakeserver.h"

#include "app/common/baglantikontrol.h"
#include "server/connection.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

using namespace std::chrono_literals;

namespace {

// A loopback port nobody listens on.
int closedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr *>(&a), len);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

class BaglantiKontrolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        baglantikontrol::setBekle([this](std::chrono::milliseconds ms) { waits.push_back(ms); });
        baglantikontrol::setMesajGoster([this](const QString &m) {
            messages << m;
            messageThreads.push_back(QThread::currentThread());
        });
        conn.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    }
    void TearDown() override
    {
        baglantikontrol::setBekle({});
        baglantikontrol::setMesajGoster({});
    }

    Connection conn;
    std::vector<std::chrono::milliseconds> waits;
    QStringList messages;
    std::vector<QThread *> messageThreads;
};

} // namespace

TEST_F(BaglantiKontrolTest, ServerDownElevenAttemptsWithAWaitAfterEach)
{
    conn.setParam(QStringLiteral("Port"), QString::number(closedPort()));
    for (bool show : { false, true }) {
        waits.clear();
        messages.clear();
        EXPECT_FALSE(BaglantiKontrol(conn, show));
        EXPECT_FALSE(conn.isOpen());
        EXPECT_EQ(waits, std::vector<std::chrono::milliseconds>(11, 500ms)) << show;
        EXPECT_EQ(messages.size(), show ? 1 : 0);
    }
    EXPECT_EQ(messages.value(0), QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
}

TEST_F(BaglantiKontrolTest, EveryAttemptReachesTheServer)
{
    FakeServer server;
    server.handshakeBody = R"({"server":"BaskaSunucu","protocol":1,"session":"s"})";
    conn.setParam(QStringLiteral("Port"), QString::number(server.port));
    EXPECT_FALSE(BaglantiKontrol(conn, false));
    EXPECT_EQ(server.handshakes, 11);
    EXPECT_EQ(waits.size(), 11u);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(BaglantiKontrolTest, ListeningServerOpensAtOnceWithANewSession)
{
    FakeServer server;
    conn.setParam(QStringLiteral("Port"), QString::number(server.port));
    EXPECT_TRUE(BaglantiKontrol(conn, true));
    EXPECT_TRUE(conn.isOpen());
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(messages.isEmpty());
    // An open connection is closed first, so a second check starts a second session.
    EXPECT_TRUE(BaglantiKontrol(conn, true));
    EXPECT_EQ(server.handshakes, 2);
}

TEST_F(BaglantiKontrolTest, MessageFromAWorkerIsShownOnTheUiThread)
{
    auto clone = conn.clone();
    clone->setParam(QStringLiteral("Port"), QString::number(closedPort()));
    bool result = true;
    std::thread worker([&] { result = BaglantiKontrol(*clone, true); });
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_TRUE(messages.isEmpty()); // queued, not shown from the worker
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 5000);
    EXPECT_EQ(messageThreads.front(), QCoreApplication::instance()->thread());
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.size(), 1);
}
