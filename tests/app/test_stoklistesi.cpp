// The stock search and the page "Stok Listesi", driven through the real main
// window against a tarnevooto-server of its own.
#include "app/common/baglantikontrol.h"
#include "app/common/makine.h"
#include "app/common/para.h"
#include "app/common/surec.h"
#include "app/tform1.h"
#include "catalogue/stoklistesi.h"
#include "platform/grid/izgara.h"
#include "platform/mesgulgosterge.h"
#include "promo/sekmerozeti.h"
#include "server/tservermethods1client.h"
#include "support/modalyanit.h"
#include "sunucudangiris.h"
#include "support/serverprocess.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A column of the given name and type, the rest of its definition left at the defaults.
ColumnDef sutunTanimi(const QString &ad, ColumnType tur)
{
    ColumnDef c;
    c.name = ad;
    c.type = tur;
    return c;
}

class StokListesiTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        sunucu = new ServerProcess(2000);
        ASSERT_FALSE(BilgisayarIdAl().isEmpty());
        ASSERT_TRUE(sunucu->run({ QStringLiteral("register"), BilgisayarIdAl(), QStringLiteral("BAYI3") }));
    }
    static void TearDownTestSuite()
    {
        delete sunucu;
        sunucu = nullptr;
    }

    void SetUp() override
    {
        setSurecBitir([](int kod) { throw SurecBitti { kod }; });
        baglantikontrol::setBekle([](std::chrono::milliseconds) {});
    }
    void TearDown() override
    {
        pencere.reset();
        TForm1::setGirisAdimi({});
        setSurecBitir({});
        baglantikontrol::setBekle({});
    }

    // A real login: the session record the server keeps for this workstation,
    // its user kind replaced when a test asks for another.
    TForm1 &olustur(int tip = 0)
    {
        SunucudanGirisKur(sunucu->port(), tip);
        pencere = std::make_unique<TForm1>();
        pencere->resize(1280, 800);
        pencere->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pencere.get()));
        liste = pencere->stokListesi;
        return *pencere;
    }

    QString baslik() const { return pencere->sPageControl1->tabText(0); }

    // Types the text and presses Enter; waits for the search to end.
    bool ara(const QString &metin)
    {
        QSignalSpy bitti(liste, &StokListesi::aramaBitti);
        pencere->araedit->setText(metin);
        QTest::keyClick(pencere->araedit, Qt::Key_Return);
        return bitti.count() > 0 || bitti.wait(15000);
    }

    static ServerProcess *sunucu;
    std::unique_ptr<TForm1> pencere;
    StokListesi *liste = nullptr;
};

ServerProcess *StokListesiTest::sunucu = nullptr;

TEST_F(StokListesiTest, TurkishLettersTypedBecomeLatinPastedTextIsKept)
{
    TForm1 &w = olustur();
    w.araedit->setFocus();
    for (const QString &harf : { QStringLiteral("ş"), QStringLiteral("İ"), QStringLiteral("ı"), QStringLiteral("a"),
                                QStringLiteral("ğ"), QStringLiteral("Ç"), QStringLiteral("ö"), QStringLiteral("ü") }) {
        QTest::sendKeyEvent(QTest::Press, w.araedit, Qt::Key_unknown, harf, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w.araedit, Qt::Key_unknown, harf, Qt::NoModifier);
    }
    EXPECT_EQ(w.araedit->text(), "SIIAGCOU");

    w.araedit->clear();
    w.araedit->insert(QStringLiteral("çağ")); // as a paste inserts it
    EXPECT_EQ(w.araedit->text(), "ÇAĞ");
}

TEST_F(StokListesiTest, FewerThanThreeLettersWarnAndSearchNothing)
{
    TForm1 &w = olustur();
    w.sPageControl1->setCurrentWidget(w.ssepet);
    ModalYanit yanit;
    yanit.cevapla("Tamam", "Lütfen en az 3 harf giriniz !", "Uyarı");
    w.araedit->setText(QStringLiteral("FR "));
    QTest::keyClick(w.araedit, Qt::Key_Return);
    EXPECT_TRUE(yanit.bekle());
    EXPECT_EQ(w.sPageControl1->currentWidget(), w.sstoklistesi);
    EXPECT_FALSE(liste->araniyor());
    EXPECT_EQ(baslik(), "Stok Listesi");
    EXPECT_TRUE(w.araedit->isEnabled());

    // A leading blank with three letters searches, and the text stays as typed.
    ASSERT_TRUE(ara(QStringLiteral(" FRE")));
    EXPECT_EQ(w.araedit->text(), " FRE");
    EXPECT_GT(liste->stok.rowCount(), 0);
}

TEST_F(StokListesiTest, SearchFillsTheGridAndTheBadgeCaption)
{
    TForm1 &w = olustur();
    ModalYanit yanit; // no dialog expected
    ASSERT_TRUE(ara(QStringLiteral("FREN")));
    const int n = liste->stok.rowCount();
    ASSERT_GT(n, 0);
    EXPECT_EQ(baslik(), QString::number(n) + "=Stok Listesi");
    EXPECT_EQ(liste->cxGrid1->gorunenSatirSayisi(), n);
    EXPECT_TRUE(liste->cxGrid1->bagli());
    EXPECT_TRUE(liste->cxGrid1->isEnabled());
    EXPECT_TRUE(w.araedit->isEnabled());
    EXPECT_TRUE(w.araedit->hasFocus());
    EXPECT_EQ(w.araedit->selectedText(), "FREN");
    EXPECT_FALSE(w.gifstokara->isVisible());
    // Money columns show the money format, integers as they are.
    const int fiyat = liste->stok.columnIndex(u"FIYAT");
    EXPECT_EQ(liste->stok.column(fiyat).displayFormat, "#,###,##0.00");
    EXPECT_TRUE(liste->stok.column(liste->stok.columnIndex(u"DURUM")).displayFormat.isEmpty());
    EXPECT_EQ(liste->cxGrid1->altBilgiMetni(u"DURUM"), QString::number(n));
    EXPECT_TRUE(yanit.bekle());

    // No rows: an empty grid, "0=Stok Listesi", no message.
    ASSERT_TRUE(ara(QStringLiteral("QQXQQXQQ")));
    EXPECT_EQ(liste->stok.rowCount(), 0);
    EXPECT_EQ(liste->cxGrid1->gorunenSatirSayisi(), 0);
    EXPECT_EQ(baslik(), "0=Stok Listesi");
    EXPECT_TRUE(yanit.bekle());
    EXPECT_TRUE(yanit.gorulenler().isEmpty());
}

TEST_F(StokListesiTest, FailedSearchEmptiesTheTableWithOneMessage)
{
    TForm1 &w = olustur();
    ASSERT_TRUE(ara(QStringLiteral("FREN")));
    ASSERT_GT(liste->stok.rowCount(), 0);

    // A port where nothing answers.
    QTcpServer bos;
    ASSERT_TRUE(bos.listen(QHostAddress::LocalHost));
    const quint16 kapali = bos.serverPort();
    bos.close();
    w.bagc.setParam(QStringLiteral("Port"), QString::number(kapali));

    ModalYanit yanit;
    yanit.cevapla("Tamam", "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", "Hata");
    ASSERT_TRUE(ara(QStringLiteral("FREN")));
    EXPECT_TRUE(yanit.bekle());
    EXPECT_EQ(yanit.gorulenler().size(), 1);
    EXPECT_EQ(liste->stok.rowCount(), 0);
    EXPECT_EQ(liste->cxGrid1->gorunenSatirSayisi(), 0);
    EXPECT_EQ(baslik(), "Stok Listesi");
    EXPECT_TRUE(w.araedit->isEnabled());
}

TEST_F(StokListesiTest, SearchAndClearAreIgnoredWhileSearching)
{
    TForm1 &w = olustur();
    QSignalSpy bitti(liste, &StokListesi::aramaBitti);
    w.araedit->setText(QStringLiteral("FREN"));
    QTest::keyClick(w.araedit, Qt::Key_Return);
    // The completion reaches the UI thread only through its event loop, so the search still runs here.
    ASSERT_TRUE(liste->araniyor());
    EXPECT_FALSE(w.araedit->isEnabled());
    EXPECT_FALSE(liste->cxGrid1->bagli());
    w.SpeedButton1->click(); // "Temizle"
    w.SpeedButton2->click(); // "Ara"
    liste->Ara();
    EXPECT_EQ(w.araedit->text(), "FREN");
    ASSERT_TRUE(bitti.wait(15000));
    QTest::qWait(200);
    EXPECT_EQ(bitti.count(), 1);
    EXPECT_GT(liste->stok.rowCount(), 0);

    // Idle again, "Temizle" empties the list and the edit.
    w.sPageControl1->setCurrentWidget(w.ssepet);
    w.SpeedButton1->click();
    EXPECT_EQ(liste->stok.rowCount(), 0);
    EXPECT_EQ(baslik(), "Stok Listesi");
    EXPECT_TRUE(w.araedit->text().isEmpty());
    EXPECT_EQ(w.sPageControl1->currentWidget(), w.sstoklistesi);
}

TEST_F(StokListesiTest, WideAndNarrowLayoutsAtTheBoundary)
{
    TForm1 &w = olustur();
    Izgara *g = liste->cxGrid1;
    auto genis = [&] {
        for (QStringView c : { u"LISTEFIYAT1", u"KAMPFIYAT", u"NETFIYAT", u"KDVDAHIL" })
            if (!g->sutunGorunur(c))
                return false;
        return !g->sutunGorunur(u"FiyatBilgisi") && g->satirYuksekligi() == 40;
    };
    auto dar = [&] {
        for (QStringView c : { u"LISTEFIYAT1", u"KAMPFIYAT", u"NETFIYAT", u"KDVDAHIL" })
            if (g->sutunGorunur(c))
                return false;
        return g->sutunGorunur(u"FiyatBilgisi") && g->satirYuksekligi() == 100
            && g->sutunGenisligi(u"FiyatBilgisi") == 150;
    };
    for (int adim = 0; adim < 2; ++adim) {
        w.resize(1152, 800);
        EXPECT_TRUE(QTest::qWaitFor(dar, 3000)) << "1152, pass " << adim;
        w.resize(1153, 800);
        EXPECT_TRUE(QTest::qWaitFor(genis, 3000)) << "1153, pass " << adim;
    }
    // The weighted widths: every visible column weight × unit over the grid's width.
    std::vector<int> agirlik;
    std::vector<bool> gorunur;
    for (int i = 0; i < g->sutunSayisi(); ++i) {
        agirlik.push_back(g->sutun(i).agirlik);
        gorunur.push_back(g->sutunGorunur(g->sutun(i).kimlik()));
    }
    const std::vector<int> beklenen = AgirlikliGenislikler(g->gorunum()->width(), agirlik, gorunur);
    for (int i = 0; i < g->sutunSayisi(); ++i) {
        if (gorunur[i]) {
            EXPECT_EQ(g->sutunGenisligi(g->sutun(i).kimlik()), beklenen[i]) << g->sutun(i).kimlik().toStdString();
        }
    }
}

TEST_F(StokListesiTest, PriceSummaryHasThreeOrFourLines)
{
    ResultTable t;
    for (const char *ad : { "LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL" })
        t.addColumn(sutunTanimi(QString::fromLatin1(ad), ColumnType::Double));
    t.open();
    const double degerler[2][4] = { { 1234.5, 0, 1000, 1180 }, { 200, 150.25, 140, 165.2 } };
    for (const auto &d : degerler) {
        const int r = t.appendRow();
        for (int c = 0; c < 4; ++c)
            t.setDouble(r, c, d[c]);
    }
    EXPECT_EQ(StokListesi::FiyatBilgisi(t, 0),
              "Liste Fiyatı: " + ParaBicimle(1234.5) + "\nNetFiyat: " + ParaBicimle(1000) + "\nKDV li Fiyat: "
                  + ParaBicimle(1180));
    EXPECT_EQ(StokListesi::FiyatBilgisi(t, 1),
              "Liste Fiyatı: " + ParaBicimle(200) + "\nKampanyalı Fiyat: " + ParaBicimle(150.25) + "\nNetFiyat: "
                  + ParaBicimle(140) + "\nKDV li Fiyat: " + ParaBicimle(165.2));
    // A dealer who sees no campaign prices gets no campaign line.
    EXPECT_EQ(StokListesi::FiyatBilgisi(t, 1, false).count('\n'), 2);
}

TEST_F(StokListesiTest, ColumnsByUserKind)
{
    const struct
    {
        int tip;
        bool miktarlar, kampanya;
    } durumlar[] = { { 1, true, true }, { 2, true, true }, { 3, false, true }, { 4, false, false } };
    for (const auto &d : durumlar) {
        olustur(d.tip);
        Izgara *g = liste->cxGrid1;
        pencere->resize(1300, 800);
        QTest::qWait(50);
        for (QStringView c : { u"KALAN", u"ALINANSIPARIS", u"VERILENSIPARIS" }) {
            EXPECT_EQ(g->sutunGorunur(c), d.miktarlar) << d.tip;
            EXPECT_EQ(g->sutunSunulur(c), d.miktarlar) << d.tip;
        }
        for (QStringView c : { u"KAMPFIYAT", u"K" }) {
            EXPECT_EQ(g->sutunGorunur(c), d.kampanya) << d.tip;
            EXPECT_EQ(g->sutunSunulur(c), d.kampanya) << d.tip;
        }
        pencere.reset();
    }
}

TEST_F(StokListesiTest, DoubleClickHandsTheRowToTheBasket)
{
    TForm1 &w = olustur();
    int verilen = -1, cagri = 0;
    liste->setSepeteEkle([&](ResultTable &t, int satir) {
        ++cagri;
        verilen = satir;
        EXPECT_EQ(&t, &liste->stok);
        EXPECT_EQ(t.cursor(), satir);
    });
    QTreeView *v = liste->cxGrid1->gorunum();
    // An empty list: nothing.
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(cagri, 0);

    ASSERT_TRUE(ara(QStringLiteral("FREN")));
    ASSERT_GT(liste->stok.rowCount(), 2);
    const int sutun = liste->cxGrid1->sutunBul(u"ADI");
    const QModelIndex ikinci = v->model()->index(1, sutun);
    const QRect alan = v->visualRect(ikinci);
    ASSERT_TRUE(alan.isValid());
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, alan.center());
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, alan.center());
    EXPECT_EQ(cagri, 1);
    EXPECT_EQ(verilen, liste->cxGrid1->gorunumSatiri(1));
    EXPECT_TRUE(liste->sepeteEkleEylemi->isEnabled());
    EXPECT_FALSE(liste->siparisBakiyeleriEylemi->isEnabled());
    (void)w;
}

TEST_F(StokListesiTest, DoubleClickOpensTheBasketDialogAndAddsTheLine)
{
    TForm1 &w = olustur();
    ASSERT_TRUE(ara(QStringLiteral("FREN")));
    ASSERT_GT(liste->stok.rowCount(), 3);
    QTreeView *v = liste->cxGrid1->gorunum();
    const QRect alan = v->visualRect(v->model()->index(2, liste->cxGrid1->sutunBul(u"ADI")));
    const int satir = liste->cxGrid1->gorunumSatiri(2);
    const qint64 stokno = liste->stok.asInt(satir, liste->stok.columnIndex(u"STOK_STOKNO"));

    ModalYanit yanit;
    yanit.cevapla("Sipariş ekle", {}, "Sepete Ekle");
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, alan.center());
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, alan.center());
    EXPECT_TRUE(yanit.bekle());

    // The basket was loaded, the line added by the server, the basket loaded again.
    bool var = false;
    const int c = w.sepet.columnIndex(u"STOKNO");
    ASSERT_GE(c, 0);
    for (int r = 0; r < w.sepet.rowCount(); ++r)
        var = var || w.sepet.asInt(r, c) == stokno;
    EXPECT_TRUE(var);
}

} // namespace
