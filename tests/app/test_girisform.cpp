// The login against a real server: accepted, refused, server down, a
// representative's customer selection, the unregistered workstation and "Vazgeç".
#include "app/tgirisform.h"
#include "girissunucusu.h"
#include "platform/mesgulgosterge.h"
#include "support/modalyanit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

#include <atomic>

namespace {

class Giris : public GirisSunucusu
{
protected:
    static void SetUpTestSuite() { s_sunucu = sunucuBaslat(); }
    static void TearDownTestSuite() { s_sunucu.reset(); }
    void SetUp() override { hazirla(*s_sunucu); }
    void TearDown() override
    {
        Tgirisform::setCariSecimi({});
        Tgirisform::setIstekFormu({});
        GirisSunucusu::TearDown();
    }

    void girisYap(Tgirisform &g, const char *adi, const char *sifre)
    {
        g.bagim = &bagc;
        g.Bilgim = &sbilgi;
        g.show();
        g.adi->clear(); // the remembered name of an earlier case
        g.sifre->clear();
        QTest::keyClicks(g.adi, adi);
        QTest::keyClicks(g.sifre, sifre);
        QTest::mouseClick(g.Button1, Qt::LeftButton);
    }

    static std::unique_ptr<ServerProcess> s_sunucu;
};

std::unique_ptr<ServerProcess> Giris::s_sunucu;

TEST_F(Giris, DealerIsAcceptedWithTheRecordAndTheMachineFacts)
{
    kaydet(*s_sunucu, "BAYI3");
    Tgirisform g;
    girisYap(g, "bayi3", "1234");
    EXPECT_EQ(g.Button1->text(), QStringLiteral("Bağlanıyor..."));
    EXPECT_FALSE(g.Button1->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(g.result(), int(QDialog::Accepted), 20000);
    EXPECT_TRUE(bitisler.empty());
    EXPECT_EQ(sbilgi.FADI, QStringLiteral("BAYI3"));
    EXPECT_EQ(sbilgi.FMusteriTipi, 3);
    EXPECT_EQ(sbilgi.FDisip, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(sbilgi.FBILGISAYARID, BilgisayarIdAl());
    EXPECT_EQ(sbilgi.FBilgiSayarAdi, BilgisayarAdiAl());
    EXPECT_EQ(sbilgi.FIcip, IcIpAl());
    EXPECT_EQ(bagc.param(QStringLiteral("HostName")), QStringLiteral("127.0.0.1"));
    const auto ayar = AyarDosyasiOku(AyarDosyasiYolu());
    ASSERT_TRUE(ayar);
    EXPECT_EQ(ayar->isim, QStringLiteral("BAYI3"));
    EXPECT_EQ(ayar->sifre, QStringLiteral("1234"));
    EXPECT_FALSE(g.RxGIFAnimator1->isVisible());
}

TEST_F(Giris, WrongPasswordAndInactiveAccountGetTheSameWarning)
{
    struct Durum
    {
        const char *kullanici, *adi, *sifre;
        bool ayarYazilir;
    };
    for (const Durum d :
         { Durum { "BAYI3", "BAYI3", "9999", false }, Durum { "PASIFBAYI", "PASIFBAYI", "1234", true } }) {
        SCOPED_TRACE(d.kullanici);
        QFile::remove(AyarDosyasiYolu());
        kaydet(*s_sunucu, d.kullanici);
        Tgirisform g;
        ModalYanit yanit;
        yanit.cevapla(QStringLiteral("Tamam"),
                      QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"),
                      QStringLiteral("Uyarı"));
        girisYap(g, d.adi, d.sifre);
        EXPECT_TRUE(yanit.bekle(20000));
        QTRY_VERIFY(g.Button1->isEnabled());
        EXPECT_EQ(g.Button1->text(), QStringLiteral("Giriş!"));
        EXPECT_EQ(g.focusWidget(), g.adi);
        EXPECT_EQ(g.adi->selectedText(), QString::fromLatin1(d.adi));
        EXPECT_NE(g.result(), int(QDialog::Accepted));
        EXPECT_TRUE(bitisler.empty());
        EXPECT_EQ(QFile::exists(AyarDosyasiYolu()), d.ayarYazilir);
    }
}

TEST_F(Giris, ServerDownSaysConnectionCouldNotBeMade)
{
    kaydet(*s_sunucu, "BAYI3");
    QTcpServer bos;
    ASSERT_TRUE(bos.listen(QHostAddress::LocalHost));
    bagc.setParam(QStringLiteral("Port"), QString::number(bos.serverPort()));
    bos.close();
    Tgirisform g;
    ModalYanit yanit;
    yanit.cevapla(QStringLiteral("Tamam"), QStringLiteral("Bağlantı Kurulamadı !"), QStringLiteral("Hata"));
    girisYap(g, "BAYI3", "1234");
    EXPECT_TRUE(yanit.bekle(20000));
    QTRY_VERIFY(g.Button1->isEnabled());
    EXPECT_EQ(g.focusWidget(), g.adi);
    EXPECT_TRUE(bitisler.empty());
}

TEST_F(Giris, RepresentativeChoosesTheCustomerOrTheProgramEnds)
{
    for (const char *kullanici : { "TEMSILCI1", "TEMSILCI2" }) {
        SCOPED_TRACE(kullanici);
        kaydet(*s_sunucu, kullanici);
        for (const bool secti : { false, true }) {
            bitisler.clear();
            int soruldu = 0;
            Tgirisform::setCariSecimi([&](Tgirisform &) {
                ++soruldu;
                return secti;
            });
            Tgirisform g;
            ModalYanit beklenmeyen; // a dialog here is a failure, not a hang
            girisYap(g, kullanici, "1234");
            QTRY_VERIFY_WITH_TIMEOUT(g.result() == QDialog::Accepted || !bitisler.empty(), 20000);
            EXPECT_TRUE(beklenmeyen.bekle(0));
            EXPECT_EQ(soruldu, 1);
            if (secti) {
                EXPECT_EQ(g.result(), int(QDialog::Accepted));
                EXPECT_TRUE(bitisler.empty());
            } else {
                EXPECT_EQ(bitisler, std::vector<int> { 0 });
                EXPECT_NE(g.result(), int(QDialog::Accepted));
            }
        }
    }
    // Until the customer desk is there nothing is chosen: the program ends.
    Tgirisform::setCariSecimi({});
    bitisler.clear();
    Tgirisform g;
    girisYap(g, "TEMSILCI2", "1234");
    QTRY_VERIFY_WITH_TIMEOUT(!bitisler.empty(), 20000);
    EXPECT_EQ(bitisler, std::vector<int> { 0 });
}

TEST_F(Giris, UnregisteredWorkstationGetsTheRequestFormAndTheProgramEnds)
{
    QString baslik, adres;
    Tgirisform::setIstekFormu([&](const QString &b, const QString &a) {
        baslik = b;
        adres = a;
    });
    Tgirisform g;
    g.idsi = QStringLiteral("KAYITSIZ-ISTASYON&1");
    girisYap(g, "BAYI3", "1234");
    QTRY_VERIFY_WITH_TIMEOUT(!bitisler.empty(), 20000);
    EXPECT_EQ(bitisler, std::vector<int> { 0 });
    EXPECT_EQ(baslik, QStringLiteral("Tarnevo Otomotiv B2B İstek Formu"));
    EXPECT_EQ(adres, WebKoku() + QStringLiteral("formmailgonder.aspx?carino=0&kullanici=%20&id=KAYITSIZ-ISTASYON%261"));
    EXPECT_NE(g.result(), int(QDialog::Accepted));
}

TEST_F(Giris, GivingUpWhileAskingTheAddressEndsAndStopsTheRetries)
{
    QTcpServer bos;
    ASSERT_TRUE(bos.listen(QHostAddress::LocalHost));
    setWebKoku(QStringLiteral("http://127.0.0.1:%1/").arg(bos.serverPort()));
    bos.close();
    std::atomic_int bekleme { 0 };
    disip::setBekle([&](std::chrono::milliseconds) {
        ++bekleme;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    });
    {
        Tgirisform g;
        girisYap(g, "BAYI3", "1234");
        QTRY_VERIFY(bekleme >= 3); // no network: it keeps asking
        EXPECT_EQ(g.Button1->text(), QStringLiteral("Bağlanıyor..."));
        EXPECT_TRUE(g.Button2->isEnabled());
        QTest::mouseClick(g.Button2, Qt::LeftButton);
        EXPECT_EQ(bitisler, std::vector<int> { 0 });
    }
    const int simdi = bekleme;
    QTest::qWait(100);
    EXPECT_LE(bekleme, simdi + 1);
}

} // namespace
