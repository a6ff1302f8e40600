// The new-version download against the reference server: saved and started
// silently; a failed answer starts nothing; a version mismatch at login.
#include "app/tdosyaindir.h"
#include "app/tgirisform.h"
#include "girissunucusu.h"
#include "support/modalyanit.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

#include <httplib.h>

namespace {

struct Baslatma
{
    QString dosya;
    QStringList argumanlar;
    QString duyuru; // sLabel1 of the dialog at that moment
};

class DosyaIndir : public GirisSunucusu
{
protected:
    void baslat(const ServerProcess &s)
    {
        hazirla(s);
        QFile::remove(Tdosyaindir::HedefDosya());
        Tdosyaindir::setBaslatici([this](const QString &dosya, const QStringList &argumanlar) {
            auto *d = qobject_cast<Tdosyaindir *>(QApplication::activeModalWidget());
            baslatmalar.push_back({ dosya, argumanlar, d ? d->sLabel1->text() : QString() });
            return true;
        });
    }
    void TearDown() override
    {
        Tdosyaindir::setBaslatici({});
        QFile::remove(Tdosyaindir::HedefDosya());
        GirisSunucusu::TearDown();
    }
    static QByteArray sunucudaki(const ServerProcess &s)
    {
        httplib::Client c("127.0.0.1", s.webPort());
        c.set_connection_timeout(5);
        c.set_read_timeout(5);
        const auto r = c.Get("/exe/TarnevoOtoSetup.exe");
        return r ? QByteArray::fromStdString(r->body) : QByteArray();
    }

    std::vector<Baslatma> baslatmalar;
};

class DosyaIndirAyni : public DosyaIndir
{
protected:
    static void SetUpTestSuite() { s_sunucu = sunucuBaslat(); }
    static void TearDownTestSuite() { s_sunucu.reset(); }
    void SetUp() override { baslat(*s_sunucu); }
    static std::unique_ptr<ServerProcess> s_sunucu;
};
std::unique_ptr<ServerProcess> DosyaIndirAyni::s_sunucu;

TEST_F(DosyaIndirAyni, SavesTheSetupOverTheOldFileAndStartsItSilently)
{
    {
        QFile eski(Tdosyaindir::HedefDosya());
        ASSERT_TRUE(eski.open(QIODevice::WriteOnly));
        eski.write("eski kurulum");
    }
    const QByteArray beklenen = sunucudaki(*s_sunucu);
    ASSERT_GT(beklenen.size(), 2048);

    Tdosyaindir d(nullptr, 7);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Dosya İndir"));
    EXPECT_EQ(d.findChild<QLabel *>("sLabel1")->text(),
              QStringLiteral("Tarnevo Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\n"
                             "Lütfen Bekleyiniz...!\r\nVersion: 7-6"));
    EXPECT_FALSE(d.basladi);
    d.show();
    QTRY_VERIFY_WITH_TIMEOUT(!bitisler.empty(), 20000);
    EXPECT_EQ(bitisler, std::vector<int> { 0 });
    ASSERT_EQ(baslatmalar.size(), 1u);
    EXPECT_EQ(baslatmalar[0].dosya, Tdosyaindir::HedefDosya());
    EXPECT_TRUE(baslatmalar[0].dosya.endsWith(QStringLiteral("/TarnevoOtoSetup.exe")));
    EXPECT_EQ(baslatmalar[0].argumanlar, QStringList { QStringLiteral("/silent") });
    QFile kayitli(Tdosyaindir::HedefDosya());
    ASSERT_TRUE(kayitli.open(QIODevice::ReadOnly));
    EXPECT_EQ(kayitli.readAll(), beklenen);

    const QLocale yerel;
    const QString mb = yerel.toString(beklenen.size() / 1024.0 / 1024.0, 'f', 2);
    EXPECT_EQ(d.findChild<QLabel *>("bilgi")->text(),
              QStringLiteral("Bilgi: %") + yerel.toString(100.0, 'f', 2) + QStringLiteral("  İndirilen: ") + mb
                  + QLatin1Char('/') + mb + QStringLiteral(" Mb"));
    auto *bar = d.findChild<QProgressBar *>("ProgressBar1");
    EXPECT_EQ(bar->maximum(), beklenen.size());
    EXPECT_EQ(bar->value(), beklenen.size());

    // Another activation starts nothing more.
    d.FormActivate();
    QTest::qWait(50);
    EXPECT_EQ(baslatmalar.size(), 1u);
}

TEST_F(DosyaIndirAyni, AFailedAnswerIsReportedAndNothingIsStarted)
{
    QTcpServer bos;
    ASSERT_TRUE(bos.listen(QHostAddress::LocalHost));
    const quint16 kapali = bos.serverPort();
    bos.close();
    struct Durum
    {
        QString kok, hata;
    };
    const QString web = QStringLiteral("http://127.0.0.1:%1/").arg(s_sunucu->webPort());
    for (const Durum &h :
         { Durum { web + QStringLiteral("yok/"), QStringLiteral("Sunucu yanıtı HTTP 404") },
           Durum { QStringLiteral("http://127.0.0.1:%1/").arg(kapali), QStringLiteral("Sunucuya bağlanılamadı") } }) {
        SCOPED_TRACE(h.hata.toStdString());
        bitisler.clear();
        setGuncellemeKoku(h.kok);
        Tdosyaindir d(nullptr, 5);
        ModalYanit yanit;
        yanit.cevapla(QStringLiteral("Tamam"), QStringLiteral("Hata Oluştu !\r\nHata: ") + h.hata,
                      QStringLiteral("Hata"));
        d.show();
        EXPECT_TRUE(yanit.bekle(20000));
        QTRY_VERIFY_WITH_TIMEOUT(!bitisler.empty(), 5000);
        EXPECT_EQ(bitisler, std::vector<int> { 0 });
        EXPECT_TRUE(baslatmalar.empty());
        EXPECT_FALSE(QFile::exists(Tdosyaindir::HedefDosya()));
    }
}

TEST(DosyaIndirIlerleme, WithoutAnnouncedLengthNothingChangesElseTheTextAndBarFollow)
{
    Tdosyaindir d(nullptr, 7);
    d.NetHTTPClient1ReceiveData(0, 4096);
    EXPECT_TRUE(d.bilgi->text().isEmpty());
    EXPECT_EQ(d.ProgressBar1->value(), -1);
    d.NetHTTPClient1ReceiveData(4 * 1024 * 1024, 1024 * 1024);
    const QLocale y;
    EXPECT_EQ(d.bilgi->text(),
              QStringLiteral("Bilgi: %") + y.toString(25.0, 'f', 2) + QStringLiteral("  İndirilen: ")
                  + y.toString(1.0, 'f', 2) + QLatin1Char('/') + y.toString(4.0, 'f', 2) + QStringLiteral(" Mb"));
    EXPECT_EQ(d.ProgressBar1->maximum(), 4 * 1024 * 1024);
    EXPECT_EQ(d.ProgressBar1->value(), 1024 * 1024);
}

class DosyaIndirYeniSurum : public DosyaIndir
{
protected:
    static void SetUpTestSuite()
    {
        s_sunucu = sunucuBaslat({ QStringLiteral("--client-version"), QStringLiteral("7") });
    }
    static void TearDownTestSuite() { s_sunucu.reset(); }
    void SetUp() override { baslat(*s_sunucu); }
    static std::unique_ptr<ServerProcess> s_sunucu;
};
std::unique_ptr<ServerProcess> DosyaIndirYeniSurum::s_sunucu;

TEST_F(DosyaIndirYeniSurum, LoginOfAnotherVersionDownloadsAndEnds)
{
    kaydet(*s_sunucu, "BAYI3");
    Tgirisform g;
    g.bagim = &bagc;
    g.Bilgim = &sbilgi;
    g.show();
    g.adi->clear();
    g.sifre->clear();
    QTest::keyClicks(g.adi, "BAYI3");
    QTest::keyClicks(g.sifre, "1234");
    QTest::mouseClick(g.Button1, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!bitisler.empty(), 20000);
    EXPECT_EQ(bitisler.front(), 0);
    ASSERT_EQ(baslatmalar.size(), 1u);
    EXPECT_TRUE(baslatmalar[0].duyuru.endsWith(QStringLiteral("7-6")));
    EXPECT_EQ(baslatmalar[0].argumanlar, QStringList { QStringLiteral("/silent") });
    EXPECT_EQ(sbilgi.FVersion, 7);
    EXPECT_NE(g.result(), int(QDialog::Accepted));
}

} // namespace
