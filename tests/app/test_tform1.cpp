// The main window through its login seam: design, header, adaptation by user
// kind, login refusal and the exit confirmation.
#include "app/common/makine.h"
#include "app/common/surec.h"
#include "app/gorunum.h"
#include "app/tform1.h"
#include "promo/sekmerozeti.h"
#include "support/modalyanit.h"

#include "deployment.h"

#include <QAction>
#include <QDesktopServices>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace {

TSonucBilgisi ornekOturum(int tip)
{
    TSonucBilgisi b;
    b.FADI = "BAYI3";
    b.FCariAdi = "Örnek Oto Yedek Parça Ltd. Şti.";
    b.FSaticiAdi = "Ayşe Yılmaz";
    b.FSaticiTelefon = "0212 555 01 02";
    b.FSaticiMail = "ayse@tarnevo.example";
    b.FDisip = "203.0.113.7";
    b.FMusteriTipi = tip;
    return b;
}

class TForm1Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setSurecBitir([](int kod) { throw SurecBitti { kod }; });
    }
    void TearDown() override
    {
        pencere.reset();
        TForm1::setGirisAdimi({});
        setSurecBitir({});
    }

    // The seam answers like a login that filled the record from the server.
    void girisAyarla(const TSonucBilgisi &sunucudan, bool kabul = true)
    {
        TForm1::setGirisAdimi([this, sunucudan, kabul](Connection &bagc, TSonucBilgisi &sbilgi) {
            giristeHost = bagc.param("HostName");
            giristePort = bagc.param("Port");
            giristeKimlik = sbilgi.FBILGISAYARID;
            const TSonucBilgisi yerel = sbilgi;
            sbilgi = sunucudan;
            sbilgi.FBILGISAYARID = yerel.FBILGISAYARID;
            return kabul;
        });
    }

    TForm1 &olustur(int tip)
    {
        girisAyarla(ornekOturum(tip));
        pencere = std::make_unique<TForm1>();
        // The start-up load fills the header; wait for it so no work outlives the test.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !pencere->kullanicilbl->text().isEmpty(); }, 5000));
        return *pencere;
    }

    std::unique_ptr<TForm1> pencere;
    QString giristeHost, giristePort, giristeKimlik;
};

TEST_F(TForm1Test, DesignFromTopToBottom)
{
    TForm1 &w = olustur(3);
    w.resize(1280, 860);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    EXPECT_EQ(w.windowTitle(), "Tarnevo Otomotiv B2B Programı");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Tarnevo Otomotiv B2B");
    EXPECT_EQ(w._acilisadet, 0);
    EXPECT_FALSE(w._acilisgoruldu);
    EXPECT_EQ(giristeHost, QString::fromUtf8(deployment::serverHost));
    EXPECT_EQ(giristePort, "9090");
    EXPECT_EQ(giristeKimlik, BilgisayarIdAl());

    EXPECT_EQ(w.Panel1->height(), 100);
    EXPECT_EQ(w.Panel2->height(), 35);
    EXPECT_EQ(w.RxGIFAnimator1->size(), QSize(409, 100));
    EXPECT_EQ(w.RxGIFAnimator2->height(), 0);
    EXPECT_EQ(w.Panel5->height(), 40);
    EXPECT_LT(w.Panel1->y(), w.Panel2->y());
    EXPECT_LT(w.Panel2->y(), w.sPageControl1->y());
    EXPECT_LT(w.sPageControl1->y(), w.Panel3->y());
    EXPECT_LT(w.Panel3->y(), w.Panel5->y());
    EXPECT_EQ(w.araedit->font().pixelSize(), 20);
    EXPECT_TRUE(QFontInfo(w.kullanicilbl->font()).bold());
    EXPECT_EQ(QFontInfo(w.kullanicilbl->font()).pixelSize(), 13);
    EXPECT_EQ(w.SpeedButton2->toolTip(), "Ara");
    EXPECT_EQ(w.SpeedButton1->toolTip(), "Temizle");
    EXPECT_EQ(w.musteritus->text(), "Başka Cari Seç");
    for (const char *ad : { "gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru", "gifoncekiler", "gifekstre" }) {
        QWidget *g = w.findChild<QWidget *>(ad);
        ASSERT_NE(g, nullptr) << ad;
        EXPECT_TRUE(g->isHidden()) << ad;
    }
    EXPECT_TRUE(w.kayanyazi->text().isEmpty());

    const std::pair<const char *, const char *> sekmeler[] = {
        { "sstoklistesi", "Stok Listesi" }, { "ssepet", "Sepet" },
        { "sonceki", "Önceki Siparişler" }, { "sccariekstre", "Cari Ekstre" },
        { "syeniler", "Yeni Stoklar" },     { "skampanyali", "Kampanyalı Stoklar" },
        { "sTabSheetduyuru", "Duyurular" }, { "sTabbakiyeler", "Bakiyeler" },
    };
    ASSERT_EQ(w.sPageControl1->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(w.sPageControl1->widget(i)->objectName(), sekmeler[i].first);
        EXPECT_EQ(w.sPageControl1->tabText(i), QString::fromUtf8(sekmeler[i].second));
        EXPECT_EQ(w.sPageControl1->tabBar()->tabRect(i).size(), QSize(120, 45)) << i;
        if (i > 1) // the stock list and the basket have their screens; the other pages come with theirs
            EXPECT_TRUE(w.sPageControl1->widget(i)->children().isEmpty()) << "empty page " << i;
    }

    // The legend: caption, then icon and text per status in the order 1, 2, 3, 5, 4, 0.
    QStringList efsane;
    for (QLabel *l : w.Panel3->findChildren<QLabel *>())
        efsane << (l->pixmap().isNull() ? l->text() : QStringLiteral("[%1]").arg(l->objectName().back()));
    EXPECT_EQ(efsane,
              QStringList({ "Durum Açıklaması:    ", "[1]", " Stok mevcut  ", "[2]", " Telefon Açınız  ", "[3]",
                            " Yolda  ", "[5]", " Tedarik Sürecinde ", "[4]", " Özel Sipariş  ", "[0]", " Yok  " }));

    // The general menu, separators between the entries.
    QStringList menu;
    for (QAction *a : w.Genelmenu->actions())
        menu << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + ":" + a->text());
    EXPECT_EQ(menu,
              QStringList({ "M1:Mail Gönder", "-", "N4:Şifre Değiştirme İsteği", "-",
                            "websitesi:" + QUrl(QString::fromUtf8(deployment::companySite)).host(), "-", "G1:Çıkış",
                            "-", "R1:Raporlar" }));
    EXPECT_EQ(w.Button3->menu(), w.Genelmenu);
    EXPECT_EQ(w.Button3->popupMode(), QToolButton::MenuButtonPopup);
}

TEST_F(TForm1Test, HeaderLabelsFromTheSessionRecord)
{
    TForm1 &w = olustur(3);
    EXPECT_EQ(w.kullanicilbl->text(), "BAYI3");
    EXPECT_EQ(w.cariadilbl->text(), "Örnek Oto Yedek Parça Ltd. Şti.");
    EXPECT_EQ(w.saticilbl->text(), "Ayşe Yılmaz Telefonu: 0212 555 01 02 email: ayse@tarnevo.example");

    // Called again (as a worker would) after the record changed.
    w.sbilgi.FSaticiTelefon.clear();
    w.sbilgi.FADI = "YENI";
    TForm1::AnaBilgiAl(QPointer<TForm1>(&w));
    EXPECT_EQ(w.kullanicilbl->text(), "YENI");
    EXPECT_EQ(w.saticilbl->text(), "Ayşe Yılmaz Telefonu:  email: ayse@tarnevo.example");
}

TEST_F(TForm1Test, AdaptsToTheUserKind)
{
    const struct
    {
        int tip;
        bool baskaCari, raporlar, kampanyaSekmesi;
    } durumlar[] = {
        { 1, true, true, true },    { 2, true, true, true },   { 3, false, false, true },
        { 4, false, false, false }, { 0, false, false, true }, { 7, false, false, true }, // other kinds: as designed
    };
    for (const auto &d : durumlar) {
        TForm1 &w = olustur(d.tip);
        w.show();
        EXPECT_EQ(w.musteritus->isVisible(), d.baskaCari) << d.tip;
        EXPECT_EQ(w.R1->isVisible(), d.raporlar) << d.tip;
        const int k = w.sPageControl1->indexOf(w.skampanyali);
        EXPECT_EQ(w.sPageControl1->isTabVisible(k), d.kampanyaSekmesi) << d.tip;
        for (int i = 0; i < w.sPageControl1->count(); ++i) {
            if (i != k) {
                EXPECT_TRUE(w.sPageControl1->isTabVisible(i)) << d.tip << " tab " << i;
            }
        }
        pencere.reset();
    }
}

TEST_F(TForm1Test, NoLoginEndsTheProcessWithZero)
{
    const struct
    {
        const char *neden;
        bool kabul;
        QString disip;
    } durumlar[] = {
        { "refused", false, "203.0.113.7" },
        { "no public address", true, "  " },
    };
    for (const auto &d : durumlar) {
        TSonucBilgisi b = ornekOturum(3);
        b.FDisip = d.disip;
        girisAyarla(b, d.kabul);
        int kod = -1;
        try {
            TForm1 w;
            ADD_FAILURE() << d.neden << ": the window was created";
        } catch (const SurecBitti &b) {
            kod = b.kod;
        }
        EXPECT_EQ(kod, 0) << d.neden;
    }
}

TEST_F(TForm1Test, ExitOnlyAfterConfirmation)
{
    const std::pair<const char *, std::function<void(TForm1 &)>> yollar[] = {
        { "close", [](TForm1 &w) { w.close(); } },
        { "G1", [](TForm1 &w) { w.G1->trigger(); } },
    };
    for (const auto &[ad, kapat] : yollar) {
        // A fresh window per path: the recorder's throw leaves the closing one half-closed.
        TForm1 &w = olustur(3);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        {
            ModalYanit hayir;
            hayir.cevapla("Hayır", "Programdan Çıkmak İstiyor musunuz ?", "Soru", [](QWidget *d) {
                auto *evet = qobject_cast<QAbstractButton *>(d->focusWidget());
                EXPECT_TRUE(evet && evet->text().remove('&') == "Evet") << "Evet has the focus";
            });
            EXPECT_NO_THROW(kapat(w)) << ad;
            EXPECT_TRUE(hayir.bekle()) << ad;
            EXPECT_TRUE(w.isVisible()) << ad;
        }
        ModalYanit evet;
        evet.cevapla("Evet", "Programdan Çıkmak İstiyor musunuz ?");
        int kod = -1;
        try {
            kapat(w);
        } catch (const SurecBitti &b) {
            kod = b.kod;
        }
        EXPECT_TRUE(evet.bekle()) << ad;
        EXPECT_EQ(kod, 0) << ad;
        pencere.reset();
    }
}

TEST_F(TForm1Test, SearchFieldTakesFocusAndShowsUpperCase)
{
    TForm1 &w = olustur(3);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_TRUE(QTest::qWaitFor([&w] { return w.araedit->hasFocus(); }, 2000));
    QTest::keyClicks(w.araedit, "fren bal");
    for (const QString &ch : { QStringLiteral("ş"), QStringLiteral("ı"), QStringLiteral("i") }) {
        QTest::sendKeyEvent(QTest::Press, w.araedit, Qt::Key_unknown, ch, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w.araedit, Qt::Key_unknown, ch, Qt::NoModifier);
    }
    // Typed Turkish letters reach the edit as their Latin letters.
    EXPECT_EQ(w.araedit->text(), "FREN BALSII");
}

// Records what the window asked the desktop to open.
class AdresKaydi : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> adresler;
public slots:
    void ac(const QUrl &adres) { adresler << adres; }
};

TEST_F(TForm1Test, WebSiteEntryOpensTheSiteAndReturnsToTheSearch)
{
    TForm1 &w = olustur(3);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.araedit->setText("DISK");
    w.sPageControl1->setFocus();
    AdresKaydi kayit;
    const QUrl site(QString::fromUtf8(deployment::companySite));
    QDesktopServices::setUrlHandler(site.scheme(), &kayit, "ac");
    w.websitesi->trigger();
    QDesktopServices::unsetUrlHandler(site.scheme());
    EXPECT_EQ(kayit.adresler, QList<QUrl> { site });
    EXPECT_TRUE(w.araedit->hasFocus());
    EXPECT_EQ(w.araedit->selectedText(), "DISK");
}

TEST_F(TForm1Test, MinimizedWindowComesBackWhenTheStartupLoadEnds)
{
    girisAyarla(ornekOturum(3));
    pencere = std::make_unique<TForm1>();
    pencere->showMinimized(); // before the load's completion can run
    EXPECT_TRUE(QTest::qWaitFor([this] { return !pencere->isMinimized(); }, 5000));
    EXPECT_TRUE(pencere->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(pencere->kullanicilbl->text().isEmpty());
}

// Not a check: writes the window to a picture to look at.
TEST_F(TForm1Test, DISABLED_Screenshot)
{
    GorunumUygula(*qApp);
    qApp->setFont(PencereYazisi());
    TForm1 &w = olustur(1);
    w.sPageControl1->setTabText(1, "12=Sepet");
    w.sPageControl1->setTabText(0, "0=Stok Listesi");
    w.resize(1366, 768);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QString yol = qEnvironmentVariable("TFORM1_PNG", "/tmp/tform1.png");
    EXPECT_EQ(w.width(), 1366);
    EXPECT_TRUE(w.grab().save(yol));
    const QImage ust = w.Panel1->grab().toImage();
    EXPECT_TRUE(ust.scaled(ust.size() * 2).save(QString(yol).replace(".png", "_ust.png")));
}

TEST(Gorunum, StyleFromTheResourcesOrTheDefaultLook)
{
    EXPECT_FALSE(GorunumUygula(*qApp, ":/tarnevooto/yok.qss"));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    ASSERT_TRUE(GorunumUygula(*qApp));
    EXPECT_TRUE(qApp->styleSheet().contains("#00b0c8"));
    qApp->setStyleSheet(QString());
    EXPECT_STREQ(qApp->style()->metaObject()->className(), "QFusionStyle");

    const QFont yazi = PencereYazisi();
    EXPECT_EQ(yazi.pixelSize(), 13);
    EXPECT_TRUE(yazi.bold());
    EXPECT_EQ(yazi.families().value(0), "DejaVu Sans");
}

} // namespace

#include "test_tform1.moc"
