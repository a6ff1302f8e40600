// The page "Sepet" and the order submission, driven through the real main
// window against a tarnevooto-server of its own.
#include "app/common/baglantikontrol.h"
#include "app/common/mesajgoster.h"
#include "platform/xls/xlsokuyucu.h"
#include "app/common/excelkaydet.h"
#include "app/common/makine.h"
#include "app/common/para.h"
#include "app/common/surec.h"
#include "app/tform1.h"
#include "catalogue/sepetsayfasi.h"
#include "catalogue/siparisgonder.h"
#include "catalogue/stoklistesi.h"
#include "catalogue/tonaysip.h"
#include "platform/grid/izgara.h"
#include "promo/sekmerozeti.h"
#include "server/tservermethods1client.h"
#include "support/modalyanit.h"
#include "sunucudangiris.h"
#include "support/serverprocess.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>
#include <QTreeView>

#include <QTemporaryDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <memory>
#include <set>

namespace {

const QString baglantiMesaji = QString::fromUtf8(baglantikontrol::mesaj);

class SepetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        sunucu = new ServerProcess(2000);
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
        baglantikontrol::setBekle([this](std::chrono::milliseconds) { ++bekleme; });
        oturum = std::make_unique<TSonucBilgisi>();
        sunucuda([&](TServerMethods1Client &p) { oturum->Kopyala(*p.BuyukGetir(BilgisayarIdAl())); });
        sunucuda([&](TServerMethods1Client &p) { p.SepetHepsiniSil(kopya()); });
    }
    void TearDown() override
    {
        pencere.reset();
        TForm1::setGirisAdimi({});
        setSurecBitir({});
        baglantikontrol::setBekle({});
    }

    std::unique_ptr<TSonucBilgisi> kopya() const { return oturum->KopyaVer(); }

    // One call on a connection of the test's own, beside the window's.
    template<class F> static void sunucuda(F &&f)
    {
        Connection c;
        c.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        c.setParam(QStringLiteral("Port"), QString::number(sunucu->port()));
        ASSERT_TRUE(BaglantiKontrol(c, false));
        {
            TServerMethods1Client p(&c);
            f(p);
        }
        c.close();
    }

    // `n` different items into the basket, the way the add flow sends them.
    void sepeteKoy(int n)
    {
        sunucuda([&](TServerMethods1Client &p) {
            ResultTable *stok = p.StokAraGetir(QStringLiteral("FREN"), kopya()); // the proxy's
            const int c = stok->columnIndex(u"STOK_STOKNO");
            ASSERT_GE(stok->rowCount(), n);
            for (int r = 0; r < n; ++r)
                ASSERT_EQ(p.SepetEkle2(kopya(), oturum->FCARINO, qint32(stok->asInt(r, c)), {}, {}, 1 + r, 0, 0, 0,
                                       oturum->FSirano, 0, 0, 0, 0),
                          1);
        });
    }

    // SIRANO → SEC as the server holds them.
    std::map<qint64, qint64> sunucununSecimleri()
    {
        std::map<qint64, qint64> m;
        sunucuda([&](TServerMethods1Client &p) {
            ResultTable *t = p.SepetVer2(oturum->FCARINO); // the proxy's
            for (int r = 0; r < t->rowCount(); ++r)
                m[t->asInt(r, t->columnIndex(u"SIRANO"))] = t->asInt(r, t->columnIndex(u"SEC"));
        });
        return m;
    }
    std::map<qint64, qint64> ekranSecimleri() const
    {
        std::map<qint64, qint64> m;
        const ResultTable &t = pencere->sepet;
        for (int r = 0; r < t.rowCount(); ++r)
            m[t.asInt(r, t.columnIndex(u"SIRANO"))] = t.asInt(r, t.columnIndex(u"SEC"));
        return m;
    }

    TForm1 &olustur(int tip = 0)
    {
        SunucudanGirisKur(sunucu->port(), tip);
        pencere = std::make_unique<TForm1>();
        pencere->resize(1280, 800);
        pencere->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pencere.get()));
        sayfa = pencere->sepetSayfasi;
        siparis = sayfa->siparis;
        return *pencere;
    }

    // The page becomes the current one: warning, reload, kinds.
    void sayfayiAc() { pencere->sPageControl1->setCurrentWidget(pencere->ssepet); }

    QString baslik() const { return pencere->sPageControl1->tabText(1); }

    void ciftTikla(int tabloSatiri, QStringView sutun)
    {
        Izgara *g = sayfa->cxGrid2;
        QTreeView *v = g->gorunum();
        int gorunum = -1;
        for (int i = 0; i < g->gorunenSatirSayisi(); ++i)
            if (g->gorunumSatiri(i) == tabloSatiri)
                gorunum = i;
        ASSERT_GE(gorunum, 0);
        const QRect alan = v->visualRect(v->model()->index(gorunum, g->sutunBul(sutun)));
        ASSERT_TRUE(alan.isValid());
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, alan.center());
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, alan.center());
    }

    static quint16 olmayanPort()
    {
        QTcpServer bos;
        EXPECT_TRUE(bos.listen(QHostAddress::LocalHost));
        const quint16 p = bos.serverPort();
        bos.close();
        return p;
    }

    // The server's database, read-only; one text per row, "|" between the fields.
    static QStringList sorgu(const QString &sql)
    {
        QStringList satirlar;
        sqlite3 *db = nullptr;
        if (sqlite3_open_v2(sunucu->database().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr)
            == SQLITE_OK) {
            sqlite3_busy_timeout(db, 5000);
            sqlite3_stmt *st = nullptr;
            if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
                while (sqlite3_step(st) == SQLITE_ROW) {
                    QStringList alanlar;
                    for (int i = 0; i < sqlite3_column_count(st); ++i)
                        alanlar << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, i)));
                    satirlar << alanlar.join(QLatin1Char('|'));
                }
            }
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
        return satirlar;
    }

    static ServerProcess *sunucu;
    std::unique_ptr<TForm1> pencere;
    std::unique_ptr<TSonucBilgisi> oturum;
    SepetSayfasi *sayfa = nullptr;
    SiparisGonder *siparis = nullptr;
    int bekleme = 0;
};

ServerProcess *SepetTest::sunucu = nullptr;

TEST_F(SepetTest, PageShownLoadsBasketKindsAndOverdueWarning)
{
    sepeteKoy(3);
    TForm1 &w = olustur();
    EXPECT_FALSE(w.sepet.isOpen() && w.sepet.rowCount() > 0); // nothing before the page is shown
    ModalYanit yanit; // no dialog expected
    sayfayiAc();
    EXPECT_EQ(w.sepet.rowCount(), 3);
    EXPECT_EQ(baslik(), "3=Sepet");
    EXPECT_EQ(sayfa->cxGrid2->gorunenSatirSayisi(), 3);
    // Money in the money format; the footer over all lines.
    EXPECT_EQ(w.sepet.column(w.sepet.columnIndex(u"NETTUTAR")).displayFormat, "#,###,##0.00");
    EXPECT_EQ(sayfa->cxGrid2->altBilgiMetni(u"VERILISTARIHI"), "3");
    EXPECT_FALSE(sayfa->cxGrid2->altBilgiMetni(u"MIKTAR").isEmpty());

    // Three delivery kinds: the second is preselected; no cargo kind.
    ASSERT_EQ(siparis->teslimGrubu->buttons().size(), 3);
    EXPECT_TRUE(siparis->teslimGrubu->buttons()[1]->isChecked());
    EXPECT_EQ(siparis->teslimId(), 2);
    EXPECT_EQ(siparis->kargoGrubu->buttons().size(), 3);
    EXPECT_EQ(siparis->kargoTuruId(), -1);

    // BAYI3's customer has an overdue balance; the label gets the server's text.
    QTRY_VERIFY_WITH_TIMEOUT(sayfa->lbluyarbakiye->text().startsWith("Vadesi geçmiş bakiyeniz bulunmaktadır"), 5000);
    EXPECT_TRUE(yanit.bekle());
    EXPECT_TRUE(yanit.gorulenler().isEmpty());
}

TEST_F(SepetTest, TheRoadOfOneOrder)
{
    sepeteKoy(1); // a line the order must leave alone
    TForm1 &w = olustur();

    // Search, double-click, "Sipariş ekle".
    QSignalSpy bitti(w.stokListesi, &StokListesi::aramaBitti);
    w.araedit->setText(QStringLiteral("FREN"));
    QTest::keyClick(w.araedit, Qt::Key_Return);
    ASSERT_TRUE(bitti.count() > 0 || bitti.wait(15000));
    Izgara *stokGrid = w.stokListesi->cxGrid1;
    QTreeView *v = stokGrid->gorunum();
    // A row whose item is not in the basket yet, so the add flow makes a new line.
    std::set<qint64> sepette;
    sunucuda([&](TServerMethods1Client &p) {
        ResultTable *t = p.SepetVer2(oturum->FCARINO); // the proxy's
        for (int r = 0; r < t->rowCount(); ++r)
            sepette.insert(t->asInt(r, t->columnIndex(u"STOKNO")));
    });
    const ResultTable &stok = w.stokListesi->stok;
    int gorunum = 0;
    while (sepette.count(stok.asInt(stokGrid->gorunumSatiri(gorunum), stok.columnIndex(u"STOK_STOKNO"))))
        ++gorunum;
    const qint64 stokno = stok.asInt(stokGrid->gorunumSatiri(gorunum), stok.columnIndex(u"STOK_STOKNO"));
    v->scrollTo(v->model()->index(gorunum, 0));
    const QRect alan = v->visualRect(v->model()->index(gorunum, stokGrid->sutunBul(u"ADI")));
    {
        ModalYanit yanit;
        yanit.cevapla("Sipariş ekle", {}, "Sepete Ekle");
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, alan.center());
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, alan.center());
        ASSERT_TRUE(yanit.bekle());
    }

    ModalYanit yanit;
    sayfayiAc();
    ASSERT_EQ(w.sepet.rowCount(), 2);
    EXPECT_EQ(baslik(), "2=Sepet");
    int yeni = -1;
    for (int r = 0; r < 2; ++r)
        if (w.sepet.asInt(r, w.sepet.columnIndex(u"STOKNO")) == stokno)
            yeni = r;
    ASSERT_GE(yeni, 0);
    const qint64 yeniSira = w.sepet.asInt(yeni, w.sepet.columnIndex(u"SIRANO"));

    // Nothing ticked.
    sayfa->secimleriKaldirDugmesi->click();
    EXPECT_EQ(sayfa->geneltoplaml->text(), "0.00");
    EXPECT_FALSE(sayfa->vergil->isVisibleTo(w.ssepet));
    EXPECT_FALSE(sayfa->indiriml->isVisibleTo(w.ssepet));
    yanit.cevapla("Tamam", "Gönderilecek Parça Yok ", "Uyarı");
    siparis->Button1->click();
    ASSERT_TRUE(yanit.bekle());

    // A tick by double-click in "Seç": no dialog, the server has it, the totals show it.
    ciftTikla(yeni, u"SEC");
    EXPECT_EQ(w.sepet.asInt(yeni, w.sepet.columnIndex(u"SEC")), 1);
    EXPECT_EQ(sunucununSecimleri()[yeniSira], 1);
    const SepetToplamlari t = SepetToplamiHesapla(w.sepet);
    EXPECT_GT(t.genelToplam, 0);
    EXPECT_EQ(sayfa->geneltoplaml->text(), ParaBicimle(t.genelToplam));
    EXPECT_DOUBLE_EQ(t.toplam, w.sepet.asDouble(yeni, w.sepet.columnIndex(u"TUTAR")));

    // No delivery kind.
    QButtonGroup *teslim = siparis->teslimGrubu;
    teslim->setExclusive(false);
    teslim->checkedButton()->setChecked(false);
    teslim->setExclusive(true);
    yanit.cevapla("Tamam", "Lütfen Teslim Durumu Seçiniz !", "Uyarı");
    siparis->Button1->click();
    ASSERT_TRUE(yanit.bekle());
    teslim->buttons()[1]->click();

    // No cargo kind.
    yanit.cevapla("Tamam", "Lütfen Kargo Türünü Seçiniz !", "Uyarı");
    siparis->Button1->click();
    ASSERT_TRUE(yanit.bekle());

    // A cargo kind: its companies behind a blank first entry, none chosen.
    QAbstractButton *tur = siparis->kargoGrubu->buttons()[0];
    QTest::mouseClick(tur, Qt::LeftButton);
    const int turId = siparis->kargoTuruId();
    ASSERT_GT(siparis->kargo.rowCount(), 0);
    ASSERT_EQ(siparis->kargocombo->count(), siparis->kargo.rowCount() + 1);
    EXPECT_EQ(siparis->kargocombo->itemText(0), " ");
    EXPECT_EQ(siparis->kargocombo->currentIndex(), -1);
    yanit.cevapla("Tamam", "Lütfen Kargo  Seçiniz !", "Uyarı");
    siparis->Button1->click();
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(w.focusWidget(), siparis->kargocombo);
    siparis->kargocombo->setCurrentIndex(0);
    yanit.cevapla("Tamam", "Lütfen Kargo  Seçiniz !", "Uyarı");
    siparis->Button1->click();
    ASSERT_TRUE(yanit.bekle());

    // A company: its warning below the list.
    siparis->kargocombo->setCurrentIndex(1);
    const QString firma = siparis->kargocombo->currentText();
    const qint64 firmaId = siparis->kargo.asInt(0, siparis->kargo.columnIndex(u"SIRANO"));
    EXPECT_EQ(siparis->uyarikargo->text(), siparis->kargo.asString(0, siparis->kargo.columnIndex(u"UYARI")));

    // A note of two lines: Enter in the note makes a new line and sends nothing.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    siparis->aciklamagir->setFocus();
    QTest::keyClicks(siparis->aciklamagir, "ilk");
    QTest::keyClick(siparis->aciklamagir, Qt::Key_Return);
    QTest::keyClicks(siparis->aciklamagir, "ikinci");
    EXPECT_EQ(siparis->aciklamagir->toPlainText(), "ilk\nikinci");
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(yanit.gorulenler().size(), 5); // the five warnings above, nothing from the Enter

    // "Hayır": nothing sent, the note kept.
    const QString siparisSayisi = sorgu(QStringLiteral("SELECT count(*) FROM siparis")).value(0);
    yanit.cevapla("Hayır", {}, "Sipariş Onay");
    siparis->Button1->click();
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(sorgu(QStringLiteral("SELECT count(*) FROM siparis")).value(0), siparisSayisi);
    EXPECT_EQ(sunucununSecimleri().size(), 2u);
    EXPECT_EQ(siparis->aciklamagir->toPlainText(), "ilk\nikinci");

    // Enter in the panel is "Gönder"; the summary repeats the choices and the total as shown.
    const QString tutar = sayfa->geneltoplaml->text();
    QString ozet;
    yanit.cevapla("Evet", {}, "Sipariş Onay", [&](QWidget *d) {
        if (auto *o = qobject_cast<TONAYSIP *>(d))
            ozet = o->Label2->text();
    });
    yanit.cevapla("Tamam", "Siparişiniz Gönderildi !", "Bilgi");
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    siparis->kargocombo->setFocus();
    QTest::keyClick(siparis->kargocombo, Qt::Key_Return);
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(ozet,
              "Kullanıcı: " + w.sbilgi.FADI + "\nCari     : " + w.sbilgi.FCariAdi
                  + "\nTeslim   : " + teslim->checkedButton()->text() + "\nKargo    : " + tur->text()
                  + "\nTutar    : " + tutar + "\nKargo    : " + firma + "\nAçıklama : ilk\nikinci");

    // The order holds exactly the ticked line and the note with "\r\n".
    const QStringList kayit = sorgu(QStringLiteral(
        "SELECT sirano, hex(aciklama), teslim, kargo, kargofirma FROM siparis ORDER BY sirano DESC LIMIT 1"));
    ASSERT_EQ(kayit.size(), 1) << "sunucunun veritabanı okunamadı";
    const QStringList f = kayit[0].split(QLatin1Char('|'));
    ASSERT_EQ(f.size(), 5);
    EXPECT_EQ(f[1], QString::fromLatin1(QByteArray("ilk\r\nikinci").toHex().toUpper()));
    EXPECT_EQ(f[2], "2");
    EXPECT_EQ(f[3], QString::number(turId));
    EXPECT_EQ(f[4], QString::number(firmaId));
    EXPECT_EQ(sorgu("SELECT sepetsirano FROM siparis_satir WHERE siparis = " + f[0]),
              QStringList { QString::number(yeniSira) });

    // The basket reloaded without the ordered line; the note cleared.
    EXPECT_EQ(w.sepet.rowCount(), 1);
    EXPECT_EQ(baslik(), "1=Sepet");
    EXPECT_NE(w.sepet.asInt(0, w.sepet.columnIndex(u"SIRANO")), yeniSira);
    EXPECT_TRUE(siparis->aciklamagir->toPlainText().isEmpty());
}

TEST_F(SepetTest, DeletingLinesAsksFirstWithNoFocused)
{
    TForm1 &w = olustur();
    ModalYanit yanit;
    sayfayiAc();
    ASSERT_EQ(w.sepet.rowCount(), 0);
    // An empty basket: "Hepsini Sil" asks nothing.
    sayfa->hepsiniSilEylemi->trigger();
    EXPECT_TRUE(yanit.bekle());
    EXPECT_TRUE(yanit.gorulenler().isEmpty());

    sepeteKoy(3);
    ASSERT_TRUE(sayfa->SepetYenile());
    const qint64 ikinci = w.sepet.asInt(1, w.sepet.columnIndex(u"SIRANO"));
    sayfa->cxGrid2->setOdak(1, u"STOKADI");
    QString odak;
    auto odagiOku = [&](QWidget *d) {
        if (auto *b = qobject_cast<QAbstractButton *>(d->focusWidget()))
            odak = b->text().remove(QLatin1Char('&'));
    };
    yanit.cevapla("Hayır", "Satırı silmek istiyor musunuz ", "Soru", odagiOku);
    sayfa->satirSilEylemi->trigger();
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(odak, "Hayır");
    EXPECT_EQ(sunucununSecimleri().size(), 3u);

    yanit.cevapla("Evet", "Satırı silmek istiyor musunuz ", "Soru");
    yanit.cevapla("Tamam", "Satır silindi !", "Bilgi");
    sayfa->satirSilEylemi->trigger();
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(sunucununSecimleri().count(ikinci), 0u);
    EXPECT_EQ(w.sepet.rowCount(), 2);
    EXPECT_EQ(baslik(), "2=Sepet");

    odak.clear();
    yanit.cevapla("Hayır", "Tüm Sepeti Silmek İstiyor musunuz ", "Soru", odagiOku);
    sayfa->hepsiniSilEylemi->trigger();
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(odak, "Hayır");
    EXPECT_EQ(w.sepet.rowCount(), 2);
    yanit.cevapla("Evet", "Tüm Sepeti Silmek İstiyor musunuz ", "Soru");
    yanit.cevapla("Tamam", "Sepet Silindi !", "Bilgi");
    sayfa->hepsiniSilEylemi->trigger();
    ASSERT_TRUE(yanit.bekle());
    EXPECT_TRUE(sunucununSecimleri().empty());
    EXPECT_EQ(w.sepet.rowCount(), 0);
    EXPECT_EQ(baslik(), "0=Sepet");
}

TEST_F(SepetTest, SelectAllAndNoneStoreEveryLineAndDoubleClickElsewhereOpensTheChange)
{
    sepeteKoy(5);
    TForm1 &w = olustur();
    ModalYanit yanit;
    sayfayiAc();
    ASSERT_EQ(w.sepet.rowCount(), 5);
    sayfa->secimleriKaldirDugmesi->click();
    for (const auto &[sira, sec] : sunucununSecimleri())
        EXPECT_EQ(sec, 0) << sira;
    EXPECT_EQ(sayfa->aratoplaml->text(), "0.00");
    sayfa->hepsiniSecDugmesi->click();
    for (const auto &[sira, sec] : sunucununSecimleri())
        EXPECT_EQ(sec, 1) << sira;
    EXPECT_EQ(ekranSecimleri(), sunucununSecimleri());
    EXPECT_TRUE(w.araedit->hasFocus());
    const SepetToplamlari t = SepetToplamiHesapla(w.sepet);
    EXPECT_GT(t.toplam, 0);
    EXPECT_TRUE(sayfa->vergil->isVisibleTo(w.ssepet));

    // Double-click outside "Seç": the change dialog, and the tick stays.
    yanit.cevapla("Vazgeç", {}, "Sepete Ekle");
    ciftTikla(2, u"STOKADI");
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(w.sepet.asInt(2, w.sepet.columnIndex(u"SEC")), 1);
}

TEST_F(SepetTest, TickNotStoredShowsOneMessageAndTheScreenKeepsTheServersTicks)
{
    sepeteKoy(4);
    TForm1 &w = olustur();
    ModalYanit yanit;
    sayfayiAc();
    sayfa->secimleriKaldirDugmesi->click();
    ASSERT_TRUE(yanit.bekle());
    const QString port = w.bagc.param(QStringLiteral("Port"));
    const QString olu = QString::number(olmayanPort());

    // One line: the tick is not shown, the message comes once.
    w.bagc.setParam(QStringLiteral("Port"), olu);
    yanit.cevapla("Tamam", baglantiMesaji, "Hata");
    ciftTikla(0, u"SEC");
    ASSERT_TRUE(yanit.bekle());
    EXPECT_EQ(yanit.gorulenler().size(), 1);
    EXPECT_EQ(w.sepet.asInt(0, w.sepet.columnIndex(u"SEC")), 0);
    EXPECT_EQ(sayfa->geneltoplaml->text(), "0.00");
    w.bagc.setParam(QStringLiteral("Port"), port);

    // The server goes away after the second line of "Hepsini Seç".
    const int sec = w.sepet.columnIndex(u"SEC");
    const int dinleyici = w.sepet.addListener([&](ResultTable::Change ne, int satir, int sutun) {
        if (ne == ResultTable::Change::Cell && satir == 1 && sutun == sec)
            w.bagc.setParam(QStringLiteral("Port"), olu);
    });
    bekleme = 0;
    yanit.cevapla("Tamam", baglantiMesaji, "Hata");
    sayfa->hepsiniSecDugmesi->click();
    ASSERT_TRUE(yanit.bekle());
    w.sepet.removeListener(dinleyici);
    EXPECT_EQ(yanit.gorulenler().size(), 2); // one for this action
    // One round of connection retries, not one per remaining line.
    EXPECT_LE(bekleme, baglantikontrol::denemeSayisi);
    w.bagc.setParam(QStringLiteral("Port"), port);

    const std::map<qint64, qint64> sunucuda = sunucununSecimleri();
    EXPECT_EQ(ekranSecimleri(), sunucuda);
    int isaretli = 0;
    for (const auto &[sira, s] : sunucuda)
        isaretli += int(s);
    EXPECT_EQ(isaretli, 2);
    EXPECT_EQ(sayfa->geneltoplaml->text(), ParaBicimle(SepetToplamiHesapla(w.sepet).genelToplam));
}

TEST_F(SepetTest, SendWithoutConnectionShowsBothMessagesAndKeepsBasketAndNote)
{
    sepeteKoy(1);
    TForm1 &w = olustur();
    ModalYanit yanit;
    sayfayiAc();
    ASSERT_TRUE(yanit.bekle());
    if (w.sepet.asInt(0, w.sepet.columnIndex(u"SEC")) != 1)
        ciftTikla(0, u"SEC");
    ASSERT_EQ(sunucununSecimleri().begin()->second, 1);
    QTest::mouseClick(siparis->kargoGrubu->buttons()[0], Qt::LeftButton);
    ASSERT_GT(siparis->kargocombo->count(), 1);
    siparis->kargocombo->setCurrentIndex(1);
    siparis->aciklamagir->setPlainText(QStringLiteral("acele"));
    const QString siparisSayisi = sorgu(QStringLiteral("SELECT count(*) FROM siparis")).value(0);

    // The connection check's message through the program's own dialog, as the program installs it.
    MesajDiyaloguKur();
    const QString port = w.bagc.param(QStringLiteral("Port"));
    w.bagc.setParam(QStringLiteral("Port"), QString::number(olmayanPort()));
    yanit.cevapla("Evet", {}, "Sipariş Onay");
    yanit.cevapla("Tamam", baglantiMesaji, "Hata");
    yanit.cevapla("Tamam", "Sipariş Göndermede Hata", "Hata");
    siparis->Button1->click();
    baglantikontrol::setMesajGoster({});
    ASSERT_TRUE(yanit.bekle());
    w.bagc.setParam(QStringLiteral("Port"), port);

    EXPECT_EQ(sorgu(QStringLiteral("SELECT count(*) FROM siparis")).value(0), siparisSayisi);
    EXPECT_EQ(w.sepet.rowCount(), 1);
    EXPECT_EQ(siparis->aciklamagir->toPlainText(), "acele");
}

TEST_F(SepetTest, ExcelKaydetWritesTheBasketAsShown)
{
    sepeteKoy(3);
    TForm1 &w = olustur();
    ModalYanit yanit;
    sayfayiAc();
    ASSERT_TRUE(yanit.bekle());
    ASSERT_EQ(w.sepet.rowCount(), 3);

    QTemporaryDir klasor;
    QString sorulanFiltre;
    setKayitYoluSor([&](QWidget *, const QString &filtre) {
        sorulanFiltre = filtre;
        return klasor.filePath(QStringLiteral("sepet.xlsx"));
    });
    siparis->excelDugmesi->click();
    setKayitYoluSor({});
    EXPECT_EQ(sorulanFiltre, "Excel (*.xls*)");
    const QString yol = klasor.filePath(QStringLiteral("sepet.xls"));
    ASSERT_TRUE(QFileInfo::exists(yol));

    const QJsonObject kitap = xlsokuyucu::oku(yol);
    const QJsonObject sayfa1 = kitap[QStringLiteral("sayfalar")].toArray().at(0).toObject();
    const QJsonArray hucreler = sayfa1[QStringLiteral("hucreler")].toArray();
    // Captions, three lines, the footer.
    ASSERT_EQ(sayfa1[QStringLiteral("nrows")].toInt(), 1 + 3 + 1);
    int miktar = -1;
    const QJsonArray basliklar = hucreler.at(0).toArray();
    for (int c = 0; c < basliklar.size(); ++c)
        if (basliklar.at(c).toArray().at(1).toString() == "Miktar")
            miktar = c;
    ASSERT_GE(miktar, 0);
    const int mc = w.sepet.columnIndex(u"MIKTAR");
    for (int i = 0; i < 3; ++i) {
        const QJsonArray h = hucreler.at(1 + i).toArray().at(miktar).toArray();
        EXPECT_EQ(h.at(0).toInt(), 2) << "a number cell"; // xlrd's XL_CELL_NUMBER
        EXPECT_DOUBLE_EQ(h.at(1).toDouble(), w.sepet.asDouble(sayfa->cxGrid2->gorunumSatiri(i), mc));
        EXPECT_EQ(h.at(2).toString(), "#,###,##0.00");
    }
}

TEST_F(SepetTest, ColumnsByUserKind)
{
    const struct
    {
        int tip;
        bool durum, kalan;
    } durumlar[] = { { 1, true, true }, { 2, true, true }, { 3, false, false }, { 4, true, false } };
    for (const auto &d : durumlar) {
        olustur(d.tip);
        Izgara *g = sayfa->cxGrid2;
        EXPECT_EQ(g->sutunGorunur(u"DURUM"), d.durum) << d.tip;
        EXPECT_EQ(g->sutunSunulur(u"DURUM"), d.durum) << d.tip;
        EXPECT_EQ(g->sutunGorunur(u"KALAN"), d.kalan) << d.tip;
        EXPECT_EQ(g->sutunSunulur(u"KALAN"), d.kalan) << d.tip;
        EXPECT_FALSE(g->sutunSunulur(u"SEC")) << d.tip;
        pencere.reset();
    }
}

} // namespace
