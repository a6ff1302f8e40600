// The login's decision in its order, and the public-address retries.
#include "app/disip.h"
#include "app/girisbilgisi.h"
#include "app/common/webkoku.h"

#include <QHostAddress>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <httplib.h>

#include <atomic>
#include <thread>

namespace {

TEST(GirisKarari, TakesItsStepsInOrder)
{
    struct Durum
    {
        const char *ad;
        bool dogrusonuc;
        int version;
        bool varmi;
        const char *adi, *sifre;
        int aktif, tip;
        GirisKarari karar;
        bool ayarKaydet, cariSecimi;
    };
    const Durum durumlar[] = {
        { "no record", false, 6, true, "BAYI3", "1234", 1, 3, GirisKarari::BaglantiKurulamadi, false, false },
        { "newer version before a wrong password", true, 7, true, "X", "Y", 1, 3, GirisKarari::YeniVersiyon, false,
          false },
        { "older version", true, 5, true, "BAYI3", "1234", 1, 3, GirisKarari::YeniVersiyon, false, false },
        { "unregistered although matching", true, 6, false, "BAYI3", "1234", 1, 3, GirisKarari::IstekFormu, false,
          false },
        { "dealer", true, 6, true, "BAYI3", "1234", 1, 3, GirisKarari::Kabul, true, false },
        { "representative 1", true, 6, true, "BAYI3", "1234", 1, 1, GirisKarari::Kabul, true, true },
        { "representative 2", true, 6, true, "BAYI3", "1234", 1, 2, GirisKarari::Kabul, true, true },
        { "inactive saves the settings", true, 6, true, "BAYI3", "1234", 0, 3, GirisKarari::Hatali, true, false },
        { "wrong password", true, 6, true, "BAYI3", "12345", 1, 3, GirisKarari::Hatali, false, false },
        { "case matters", true, 6, true, "bayi3", "1234", 1, 3, GirisKarari::Hatali, false, false },
    };
    for (const Durum &d : durumlar) {
        SCOPED_TRACE(d.ad);
        TSonucBilgisi b;
        b.FVersion = d.version;
        b.FVarmi = d.varmi;
        b.FADI = QStringLiteral("BAYI3");
        b.FSIFRE = QStringLiteral("1234");
        b.FAKTIF = d.aktif;
        b.FMusteriTipi = d.tip;
        const GirisKarariSonucu s
            = GirisKarariVer(d.dogrusonuc, b, QString::fromUtf8(d.adi), QString::fromUtf8(d.sifre));
        EXPECT_EQ(s.karar, d.karar);
        EXPECT_EQ(s.ayarKaydet, d.ayarKaydet);
        EXPECT_EQ(s.cariSecimi, d.cariSecimi);
    }
}

class DisIp : public ::testing::Test
{
protected:
    void TearDown() override
    {
        disip::setBekle({});
        setWebKoku({});
        if (sunucu.is_running())
            sunucu.stop();
        if (is.joinable())
            is.join();
    }
    int baslat()
    {
        sunucu.set_keep_alive_timeout(1);
        sunucu.Get("/kok/ip.php", [this](const httplib::Request &, httplib::Response &res) {
            if (++istek < 3) {
                res.status = 503; // an error page is no address
                res.set_content("bakimda", "text/plain");
                return;
            }
            res.set_content(" 203.0.113.9\r\n", "text/plain");
        });
        const int port = sunucu.bind_to_any_port("127.0.0.1");
        is = std::thread([this] { sunucu.listen_after_bind(); });
        for (int i = 0; i < 200 && !sunucu.is_running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return port;
    }

    httplib::Server sunucu;
    std::thread is;
    std::atomic_int istek { 0 };
};

TEST_F(DisIp, RetriesAfterEveryFailureAndAnswersTrimmed)
{
    const int port = baslat();
    setWebKoku(QStringLiteral("http://127.0.0.1:%1/kok/").arg(port));
    std::vector<std::chrono::milliseconds> beklemeler;
    disip::setBekle([&](std::chrono::milliseconds ms) { beklemeler.push_back(ms); });
    EXPECT_EQ(DisIpAl(), QStringLiteral("203.0.113.9"));
    EXPECT_EQ(istek.load(), 3);
    EXPECT_EQ(beklemeler, (std::vector<std::chrono::milliseconds>(2, std::chrono::milliseconds(1000))));
}

TEST_F(DisIp, StopsRetryingOnceToldSo)
{
    // Nothing listens there: every try fails at once.
    QTcpServer bos;
    ASSERT_TRUE(bos.listen(QHostAddress::LocalHost));
    const int port = bos.serverPort();
    bos.close();
    setWebKoku(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    int bekleme = 0;
    disip::setBekle([&](std::chrono::milliseconds) { ++bekleme; });
    EXPECT_TRUE(DisIpAl([&] { return bekleme < 5; }).isEmpty());
    EXPECT_EQ(bekleme, 5);
}

} // namespace
