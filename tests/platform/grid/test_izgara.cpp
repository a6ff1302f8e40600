// The data grid over a result table, driven through its widgets where the
// behaviour is the widgets' (header clicks, the filter list, the clear button).
#include "platform/grid/izgara.h"

#include "platform/xls/xlsokuyucu.h"
#include "server/resulttable.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

ColumnDef sutunTanimi(const char *ad, ColumnType tur, const QString &bicim = {})
{
    ColumnDef c;
    c.name = QString::fromUtf8(ad);
    c.type = tur;
    c.size = tur == ColumnType::String ? 60 : 0;
    c.displayFormat = bicim;
    return c;
}

const QString kPara = QStringLiteral("#,###,##0.00");

// A small basket-like table: text, int, money, tick.
struct Sepet
{
    ResultTable t;
    Sepet()
    {
        t.addColumn(sutunTanimi("MARKA", ColumnType::String));
        t.addColumn(sutunTanimi("MIKTAR", ColumnType::Int32));
        t.addColumn(sutunTanimi("TUTAR", ColumnType::Double, kPara));
        t.addColumn(sutunTanimi("SEC", ColumnType::Int32));
        t.open();
        const struct
        {
            const char *marka;
            int miktar;
            double tutar;
            int sec;
        } satirlar[] = { { "Bosch", 10, 1234.5, 1 },
                         { "Mahle", 2, 10, 0 },
                         { "Bosch", 100, 0.25, 0 },
                         { "Çelik", 7, 99.99, 1 },
                         { "Valeo", 1, 5000, 0 } };
        for (const auto &s : satirlar) {
            const int r = t.appendRow();
            t.setString(r, 0, QString::fromUtf8(s.marka));
            t.setInt(r, 1, s.miktar);
            t.setDouble(r, 2, s.tutar);
            t.setInt(r, 3, s.sec);
        }
    }
};

IzgaraSutunu sutun(const char *alan, const char *baslik, Ozet ozet = Ozet::Yok, Sunum sunum = Sunum::Metin)
{
    IzgaraSutunu s;
    s.alan = QString::fromLatin1(alan);
    s.baslik = QString::fromUtf8(baslik);
    s.ozet = ozet;
    s.sunum = sunum;
    return s;
}

std::vector<IzgaraSutunu> sepetSutunlari()
{
    return { sutun("SEC", "Seç", Ozet::Yok, Sunum::TikKutusu), sutun("MARKA", "Marka", Ozet::Sayi),
             sutun("MIKTAR", "Miktar", Ozet::Toplam), sutun("TUTAR", "Tutar", Ozet::Toplam) };
}

// The grid shown in a window, as the screens have it.
struct Pencere
{
    Izgara izgara;
    explicit Pencere(ResultTable *t, std::vector<IzgaraSutunu> sutunlar = sepetSutunlari())
    {
        izgara.setSutunlar(std::move(sutunlar));
        izgara.setTablo(t);
        izgara.resize(600, 400);
        izgara.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&izgara));
    }
    QTreeView *v() const { return izgara.gorunum(); }
    QPoint baslikOrtasi(const char *kimlik) const
    {
        const int c = izgara.sutunBul(QString::fromLatin1(kimlik));
        QHeaderView *h = v()->header();
        return { h->sectionViewportPosition(c) + h->sectionSize(c) / 2 - 10, h->height() / 2 };
    }
    std::vector<int> sira() const
    {
        std::vector<int> s;
        for (int i = 0; i < izgara.gorunenSatirSayisi(); ++i)
            s.push_back(izgara.gorunumSatiri(i));
        return s;
    }
};

} // namespace

TEST(AgirlikliGenislikler, UnitIsTruncatedShareOfWidthLessThirty)
{
    const struct
    {
        int genislik;
        std::vector<int> agirlik;
        std::vector<bool> gorunur;
        std::vector<int> beklenen;
    } durumlar[] = {
        { 630, { 1, 2, 3 }, { true, true, true }, { 100, 200, 300 } },
        { 630, { 1, 2, 3 }, { true, false, true }, { 150, 0, 450 } }, // hidden: no share, width 0
        { 100, { 1, 2 }, { true, true }, { 23, 46 } }, // 70 / 3 truncated
        { 31, { 1, 1 }, { true, true }, { 0, 0 } }, // unit truncates to 0
        { 30, { 1, 2 }, { true, true }, { 0, 0 } },
        { 10, { 1, 2 }, { true, true }, { 0, 0 } }, // narrower than 30: never negative
        { 630, { 1, 2 }, { false, false }, { 0, 0 } },
        { 630, { 0, 2 }, { true, true }, { 0, 600 } }, // weight 0 stays 0 wide
    };
    for (const auto &d : durumlar) {
        EXPECT_EQ(AgirlikliGenislikler(d.genislik, d.agirlik, d.gorunur), d.beklenen) << "width " << d.genislik;
    }
}

TEST(Izgara, WeightedLayoutUsesTheInnerViewsWidthAndSkipsHiddenColumns)
{
    Sepet s;
    auto sutunlar = sepetSutunlari();
    sutunlar[0].agirlik = 1;
    sutunlar[1].agirlik = 2;
    sutunlar[2].gorunur = false;
    sutunlar[3].agirlik = 1;
    Pencere p(&s.t, sutunlar);
    p.izgara.setSutunGenisligi(u"MIKTAR", 77);
    p.izgara.agirlikliGenislikUygula();
    const int birim = (p.v()->width() - 30) / 4;
    EXPECT_EQ(p.izgara.sutunGenisligi(u"SEC"), birim);
    EXPECT_EQ(p.izgara.sutunGenisligi(u"MARKA"), 2 * birim);
    EXPECT_EQ(p.izgara.sutunGenisligi(u"TUTAR"), birim);
    EXPECT_EQ(p.izgara.sutunGenisligi(u"MIKTAR"), 0);

    QSignalSpy boyut(&p.izgara, &Izgara::boyutDegisti);
    p.izgara.resize(800, 300);
    ASSERT_GE(boyut.count(), 1);
    EXPECT_EQ(boyut.last().at(0).toSize(), QSize(800, 300));
}

TEST(Izgara, FooterCountsAndSumsFollowTheFilter)
{
    Sepet s;
    Pencere p(&s.t);
    p.izgara.setAltBilgiGorunur(true);
    EXPECT_TRUE(p.izgara.findChild<QWidget *>("altBilgi")->isVisible());
    EXPECT_EQ(p.izgara.altBilgiMetni(u"MARKA"), "5");
    EXPECT_EQ(p.izgara.altBilgiMetni(u"MIKTAR"), "120");
    EXPECT_EQ(p.izgara.altBilgiMetni(u"TUTAR"), QLocale().toString(6344.74, 'f', 2));
    EXPECT_EQ(p.izgara.altBilgiMetni(u"SEC"), "");

    p.izgara.setSutunFiltresi(u"MARKA", { "Bosch" });
    EXPECT_EQ(p.izgara.altBilgiMetni(u"MARKA"), "2");
    EXPECT_EQ(p.izgara.altBilgiMetni(u"MIKTAR"), "110");
    EXPECT_EQ(p.izgara.altBilgiMetni(u"TUTAR"), QLocale().toString(1234.75, 'f', 2));
}

TEST(Izgara, ColumnFilterFromTheHeaderListThenClearedByTheStripButton)
{
    Sepet s;
    Pencere p(&s.t);
    p.izgara.setFiltreDugmeleri(true);
    auto *serit = p.izgara.findChild<QWidget *>("filtreSeridi");
    EXPECT_FALSE(serit->isVisible());

    // The drop-down mark at the right end of the "Marka" section.
    QHeaderView *h = p.v()->header();
    const int c = p.izgara.sutunBul(u"MARKA");
    const QPoint isaret(h->sectionViewportPosition(c) + h->sectionSize(c) - 8, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, isaret);
    auto *liste = p.izgara.findChild<QListWidget *>("filtreDegerleri");
    ASSERT_NE(liste, nullptr);
    QStringList metinler;
    for (int i = 0; i < liste->count(); ++i)
        metinler << liste->item(i)->text();
    EXPECT_EQ(metinler, QStringList({ "(Tümü)", "Bosch", "Çelik", "Mahle", "Valeo" }));
    EXPECT_EQ(liste->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(p.sira(), std::vector<int>({ 0, 1, 2, 3, 4 })) << "opening the list must not sort";

    liste->item(2)->setCheckState(Qt::Checked); // Çelik
    liste->item(3)->setCheckState(Qt::Checked); // Mahle
    EXPECT_EQ(p.sira(), std::vector<int>({ 1, 3 }));
    EXPECT_EQ(liste->item(0)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(p.izgara.filtreVar());
    EXPECT_EQ(p.izgara.sutunFiltresi(u"MARKA"), QStringList({ "Mahle", "Çelik" }));
    EXPECT_TRUE(serit->isVisible());
    liste->window()->close();

    auto *temizle = p.izgara.findChild<QPushButton *>("filtreTemizle");
    ASSERT_NE(temizle, nullptr);
    EXPECT_EQ(temizle->text(), "Filtreyi Temizle");
    QTest::mouseClick(temizle, Qt::LeftButton);
    EXPECT_FALSE(p.izgara.filtreVar());
    EXPECT_EQ(p.izgara.gorunenSatirSayisi(), 5);
    EXPECT_FALSE(serit->isVisible());

    // The same through the interface, on a number column's display text.
    p.izgara.setSutunFiltresi(u"TUTAR", { QLocale().toString(10.0, 'f', 2) });
    EXPECT_EQ(p.sira(), std::vector<int>({ 1 }));
    p.izgara.filtreleriTemizle();
    EXPECT_EQ(p.izgara.gorunenSatirSayisi(), 5);
}

TEST(Izgara, HeaderClickSortsNumbersAsNumbersAndTogglesTheDirection)
{
    Sepet s;
    Pencere p(&s.t);
    QTest::mouseClick(p.v()->header()->viewport(), Qt::LeftButton, {}, p.baslikOrtasi("MIKTAR"));
    EXPECT_EQ(p.sira(), std::vector<int>({ 4, 1, 3, 0, 2 })); // 1, 2, 7, 10, 100
    QTest::mouseClick(p.v()->header()->viewport(), Qt::LeftButton, {}, p.baslikOrtasi("MIKTAR"));
    EXPECT_EQ(p.sira(), std::vector<int>({ 2, 0, 3, 1, 4 }));
    p.izgara.siralamayiKaldir();
    EXPECT_EQ(p.sira(), std::vector<int>({ 0, 1, 2, 3, 4 }));
}

TEST(Izgara, SortingSwitchedOffIgnoresHeaderClicks)
{
    Sepet s;
    Pencere p(&s.t);
    p.izgara.setSiralanabilir(false);
    QTest::mouseClick(p.v()->header()->viewport(), Qt::LeftButton, {}, p.baslikOrtasi("MIKTAR"));
    QTest::mouseClick(p.v()->header()->viewport(), Qt::LeftButton, {}, p.baslikOrtasi("MARKA"));
    EXPECT_EQ(p.sira(), std::vector<int>({ 0, 1, 2, 3, 4 }));
}

TEST(Izgara, TextSortIsCaseInsensitiveWithTurkishLettersAfterTheirBase)
{
    ResultTable t;
    t.addColumn(sutunTanimi("ADI", ColumnType::String));
    t.open();
    const QStringList adlar = { "Şeker", "sabun", "Zil",   "çorba", "Cam", "İnce", "Isık", "Ödev",
                                "oda",   "Çay",   "Güneş", "gaz",   "Ğ",   "",     "Uç",   "Ütü" };
    for (const QString &a : adlar)
        t.setString(t.appendRow(), 0, a);
    Pencere p(&t, { sutun("ADI", "Adı") });
    p.izgara.sirala(u"ADI");
    QStringList sirali;
    for (int r : p.sira())
        sirali << t.asString(r, 0);
    EXPECT_EQ(sirali,
              QStringList({ "", "Cam", "Çay", "çorba", "gaz", "Güneş", "Ğ", "Isık", "İnce", "oda", "Ödev", "sabun",
                            "Şeker", "Uç", "Ütü", "Zil" }));
}

TEST(Izgara, GroupsAscendingWithFootersCollapseAndExpand)
{
    ResultTable t;
    t.addColumn(sutunTanimi("SATICIADI", ColumnType::String));
    t.addColumn(sutunTanimi("TARIH", ColumnType::Date));
    t.addColumn(sutunTanimi("TUTAR", ColumnType::Double, kPara));
    t.open();
    const struct
    {
        const char *satici;
        double tutar;
    } satirlar[] = { { "Veli", 10 }, { "Ali", 1.5 }, { "Veli", 20 }, { "Ayşe", 3 }, { "Ali", 2.25 } };
    for (const auto &s : satirlar) {
        const int r = t.appendRow();
        t.setString(r, 0, QString::fromUtf8(s.satici));
        t.setValue(r, 1, QDate(2024, 3, r + 1));
        t.setDouble(r, 2, s.tutar);
    }
    Pencere p(
        &t,
        { sutun("SATICIADI", "Satıcı"), sutun("TARIH", "Tarih", Ozet::Sayi), sutun("TUTAR", "Tutar", Ozet::Toplam) });
    p.izgara.sirala(u"TUTAR", Qt::DescendingOrder);
    p.izgara.setGruplama(u"SATICIADI");
    EXPECT_FALSE(p.izgara.sutunGorunur(u"SATICIADI"));
    ASSERT_EQ(p.izgara.grupSayisi(), 3);
    EXPECT_EQ(p.izgara.grupBasligi(0), "Satıcı: Ali (2 kayıt)");
    EXPECT_EQ(p.izgara.grupBasligi(1), "Satıcı: Ayşe (1 kayıt)");
    EXPECT_EQ(p.izgara.grupBasligi(2), "Satıcı: Veli (2 kayıt)");
    EXPECT_EQ(p.sira(), std::vector<int>({ 4, 1, 3, 2, 0 })) << "rows keep the sort inside their group";
    EXPECT_EQ(p.izgara.grupAltBilgiMetni(0, u"TUTAR"), QLocale().toString(3.75, 'f', 2));
    EXPECT_EQ(p.izgara.grupAltBilgiMetni(2, u"TARIH"), "2");
    EXPECT_EQ(p.izgara.altBilgiMetni(u"TUTAR"), QLocale().toString(36.75, 'f', 2));

    QAbstractItemModel *m = p.v()->model();
    EXPECT_EQ(m->rowCount(), 3 + 5 + 3); // captions, rows, group footers
    p.izgara.gruplariDaralt();
    EXPECT_EQ(m->rowCount(), 3 + 3) << "collapsed groups keep their footers";
    EXPECT_FALSE(p.izgara.grupAcik(1));
    EXPECT_EQ(m->index(1, 2).data().toString(), QLocale().toString(3.75, 'f', 2));

    // A click on a caption row opens that group only.
    const QRect baslik = p.v()->visualRect(m->index(2, 1));
    QTest::mouseClick(p.v()->viewport(), Qt::LeftButton, {}, baslik.center());
    EXPECT_TRUE(p.izgara.grupAcik(1));
    EXPECT_EQ(m->rowCount(), 3 + 3 + 1);
    p.izgara.gruplariGenislet();
    EXPECT_EQ(m->rowCount(), 11);

    // A reload keeps the grouping; ending it shows the column again.
    t.setString(t.appendRow(), 0, u"Zeki");
    EXPECT_EQ(p.izgara.grupSayisi(), 4);
    p.izgara.setGruplama({});
    EXPECT_TRUE(p.izgara.sutunGorunur(u"SATICIADI"));
    EXPECT_EQ(m->rowCount(), 6);
}

TEST(Izgara, CutLinkShowsNothingAndIgnoresTheTableUntilRestored)
{
    Sepet s;
    Pencere p(&s.t);
    QAbstractItemModel *m = p.v()->model();
    p.izgara.baglantiyiKes();
    p.izgara.guncellemeyeBasla();
    EXPECT_FALSE(p.izgara.bagli());
    EXPECT_EQ(m->rowCount(), 0);
    EXPECT_EQ(p.izgara.gorunenSatirSayisi(), 0);

    QSignalSpy sifirlama(m, &QAbstractItemModel::modelReset);
    s.t.clearRows();
    for (int i = 0; i < 3; ++i)
        s.t.setString(s.t.appendRow(), 0, u"Yeni");
    EXPECT_EQ(sifirlama.count(), 0) << "the grid must not watch a table that is being filled";
    EXPECT_EQ(m->rowCount(), 0);

    // Restore inside a nested bulk update: read once at the outermost end.
    p.izgara.guncellemeyeBasla();
    p.izgara.baglantiyiKur();
    p.izgara.guncellemeyiBitir();
    EXPECT_EQ(m->rowCount(), 0);
    p.izgara.guncellemeyiBitir();
    EXPECT_EQ(m->rowCount(), 3);
    EXPECT_EQ(p.izgara.altBilgiMetni(u"MARKA"), "3");
    EXPECT_EQ(m->index(0, 1).data().toString(), "Yeni");
}

TEST(Izgara, DisabledControlsThenEnabledLeaveTheViewCorrect)
{
    Sepet s;
    Pencere p(&s.t);
    p.izgara.setFiltreDugmeleri(true);
    p.izgara.setSutunFiltresi(u"MARKA", { "Bosch" });
    s.t.disableControls();
    s.t.clearRows();
    const int r = s.t.appendRow();
    s.t.setString(r, 0, u"Bosch");
    s.t.setInt(r, 1, 3);
    s.t.setString(s.t.appendRow(), 0, u"Mahle");
    p.v()->viewport()->grab(); // painting a stale mapping must not read past the table
    s.t.enableControls();
    EXPECT_EQ(p.sira(), std::vector<int>({ 0 })) << "the filter applies to the new rows";
    EXPECT_EQ(p.izgara.altBilgiMetni(u"MIKTAR"), "3");
}

TEST(Izgara, CellChangeRepaintsThatRowWithoutAReset)
{
    Sepet s;
    Pencere p(&s.t);
    p.izgara.sirala(u"MIKTAR"); // view rows differ from table rows
    QAbstractItemModel *m = p.v()->model();
    QSignalSpy sifirlama(m, &QAbstractItemModel::modelReset);
    QSignalSpy degisen(m, &QAbstractItemModel::dataChanged);
    const QModelIndex tik = m->index(1, 0); // table row 1 (MIKTAR 2)
    ASSERT_EQ(tik.data(Qt::CheckStateRole), Qt::Unchecked);
    s.t.setInt(1, 3, 1);
    EXPECT_EQ(sifirlama.count(), 0);
    ASSERT_EQ(degisen.count(), 1);
    EXPECT_EQ(degisen.at(0).at(0).toModelIndex().row(), 1);
    EXPECT_EQ(tik.data(Qt::CheckStateRole), Qt::Checked);

    s.t.setDouble(1, 2, 20); // a summed column: the footer follows
    EXPECT_EQ(p.izgara.altBilgiMetni(u"TUTAR"), QLocale().toString(6354.74, 'f', 2));
    EXPECT_EQ(sifirlama.count(), 0);
}

TEST(Izgara, DoubleClickGivesTableRowAndColumnOnlyOnDataRows)
{
    Sepet s;
    Pencere p(&s.t);
    p.izgara.sirala(u"MIKTAR", Qt::DescendingOrder);
    QSignalSpy cift(&p.izgara, &Izgara::satirCiftTiklandi);
    const QRect hucre = p.v()->visualRect(p.v()->model()->index(1, 3));
    QTest::mouseClick(p.v()->viewport(), Qt::LeftButton, {}, hucre.center());
    QTest::mouseDClick(p.v()->viewport(), Qt::LeftButton, {}, hucre.center());
    ASSERT_EQ(cift.count(), 1);
    EXPECT_EQ(cift.at(0).at(0).toInt(), 0); // MIKTAR 10, second from the top
    EXPECT_EQ(cift.at(0).at(1).toString(), "TUTAR");
    EXPECT_EQ(p.izgara.odakSatiri(), 0);
    EXPECT_EQ(p.izgara.odakSutunu(), "TUTAR");
    EXPECT_EQ(s.t.cursor(), 0) << "the table's cursor follows the focused row";

    const QPoint bos(10, p.v()->viewport()->height() - 5);
    QTest::mouseClick(p.v()->viewport(), Qt::LeftButton, {}, bos);
    QTest::mouseDClick(p.v()->viewport(), Qt::LeftButton, {}, bos);
    EXPECT_EQ(cift.count(), 1) << "empty space below the rows";
}

TEST(Izgara, RightClickFocusesTheRowAndOpensTheGridMenu)
{
    Sepet s;
    Pencere p(&s.t);
    QMenu menu;
    menu.addAction(QStringLiteral("Satır Sil"));
    p.izgara.setBaglamMenusu(&menu);
    const QPoint yer = p.v()->visualRect(p.v()->model()->index(3, 1)).center();
    QContextMenuEvent olay(QContextMenuEvent::Mouse, yer, p.v()->viewport()->mapToGlobal(yer));
    QApplication::sendEvent(p.v()->viewport(), &olay);
    EXPECT_EQ(p.izgara.odakSatiri(), 3);
    EXPECT_TRUE(menu.isVisible());
    menu.close();
}

TEST(Izgara, HeaderMenuOffersColumnsByCaptionOrFieldAndTogglesThem)
{
    Sepet s;
    auto sutunlar = sepetSutunlari();
    sutunlar[0].sunulur = false; // the tick column
    sutunlar[2].baslik.clear();
    sutunlar[2].gorunur = false;
    Pencere p(&s.t, sutunlar);
    p.izgara.setSutunSecici(true);
    QHeaderView *h = p.v()->header();
    QContextMenuEvent olay(QContextMenuEvent::Mouse, QPoint(5, 5), h->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(h->viewport(), &olay);
    auto *menu = p.izgara.findChild<QMenu *>("sutunSecici");
    ASSERT_NE(menu, nullptr);
    QStringList adlar;
    for (QAction *a : menu->actions())
        adlar << a->text() + (a->isChecked() ? "+" : "-");
    EXPECT_EQ(adlar, QStringList({ "Marka+", "MIKTAR-", "Tutar+" }));
    menu->actions().at(1)->trigger();
    EXPECT_TRUE(p.izgara.sutunGorunur(u"MIKTAR"));
    menu->actions().at(2)->trigger();
    EXPECT_FALSE(p.izgara.sutunGorunur(u"TUTAR"));
    menu->close();
}

TEST(Izgara, RowColoursCountFromZeroInViewOrderAndTheHeaderIsColoured)
{
    Sepet s;
    Pencere p(&s.t, { sutun("MARKA", "Marka") });
    p.izgara.setSatirYuksekligi(30);
    p.izgara.setSutunGenisligi(u"MARKA", 300);
    p.v()->clearSelection();
    const Izgara::Renkler renk;
    const QImage resim = p.v()->viewport()->grab().toImage();
    auto renkAt = [&](int satir) {
        const QRect r = p.v()->visualRect(p.v()->model()->index(satir, 0));
        return QColor(resim.pixel(r.right() - 3, r.top() + 2));
    };
    EXPECT_EQ(p.v()->visualRect(p.v()->model()->index(1, 0)).height(), 30);
    EXPECT_EQ(renkAt(0), renk.cift);
    EXPECT_EQ(renkAt(1), renk.tek);
    EXPECT_EQ(renkAt(2), renk.cift);
    const QImage baslik = p.v()->header()->grab().toImage();
    EXPECT_EQ(QColor(baslik.pixel(150, 3)), renk.baslik);
}

TEST(Izgara, ExportWritesTheViewTypedWithCaptionsGroupsAndFooter)
{
    ResultTable t;
    t.addColumn(sutunTanimi("SATICIADI", ColumnType::String));
    t.addColumn(sutunTanimi("TARIH", ColumnType::Date));
    t.addColumn(sutunTanimi("MIKTAR", ColumnType::Int32));
    t.addColumn(sutunTanimi("TUTAR", ColumnType::Double, kPara));
    t.addColumn(sutunTanimi("SEC", ColumnType::Int32));
    t.addColumn(sutunTanimi("GIZLI", ColumnType::String));
    t.open();
    const struct
    {
        const char *satici;
        int miktar;
        double tutar;
    } satirlar[] = { { "Veli", 3, 1234.5 }, { "Ayşe", 1, 0.5 }, { "Veli", 2, 10 } };
    for (const auto &s : satirlar) {
        const int r = t.appendRow();
        t.setString(r, 0, QString::fromUtf8(s.satici));
        t.setValue(r, 1, QDate(2024, 1, 31));
        t.setInt(r, 2, s.miktar);
        t.setDouble(r, 3, s.tutar);
        t.setInt(r, 4, r == 0 ? 1 : 0);
        t.setString(r, 5, u"x");
    }
    auto fiyat = sutun("", "Bilgi", Ozet::Yok, Sunum::Hesaplanan);
    fiyat.ad = QStringLiteral("BILGI");
    fiyat.metin = [](const ResultTable &tb, int r) { return QStringLiteral("Adet: %1\r\n").arg(tb.asInt(r, 2)); };
    auto gizli = sutun("GIZLI", "Gizli");
    gizli.gorunur = false;
    Pencere p(&t,
              { sutun("SATICIADI", "Satıcı"), sutun("SEC", "Seç", Ozet::Yok, Sunum::TikKutusu),
                sutun("TARIH", "Tarih", Ozet::Sayi), sutun("MIKTAR", "Miktar"), sutun("TUTAR", "Tutar", Ozet::Toplam),
                gizli, fiyat });
    p.izgara.setGruplama(u"SATICIADI");
    p.izgara.gruplariDaralt(); // export opens every group anyway
    QTemporaryDir dizin;
    const QString yol = dizin.filePath(QStringLiteral("izgara.xls"));
    p.izgara.xlsYaz(yol);

    const QJsonObject k = xlsokuyucu::oku(yol);
    ASSERT_FALSE(k.isEmpty());
    const QJsonObject sayfa = k["sayfalar"].toArray().at(0).toObject();
    const QJsonArray h = sayfa["hucreler"].toArray();
    auto hucre = [&](int r, int c) { return h.at(r).toArray().at(c).toArray(); };
    ASSERT_EQ(sayfa["nrows"].toInt(), 1 + 2 * 2 + 3 + 1); // captions, 2 × (group caption + footer), rows, footer
    ASSERT_EQ(sayfa["ncols"].toInt(), 5);
    QStringList basliklar;
    for (int c = 0; c < 5; ++c)
        basliklar << hucre(0, c).at(1).toString();
    EXPECT_EQ(basliklar, QStringList({ "Seç", "Tarih", "Miktar", "Tutar", "Bilgi" }));
    EXPECT_TRUE(hucre(0, 0).at(3).toBool()) << "captions are bold";

    EXPECT_EQ(hucre(1, 0).at(1).toString(), "Satıcı: Ayşe (1 kayıt)");
    EXPECT_EQ(hucre(2, 0).at(1).toDouble(), 0); // tick as a number
    EXPECT_EQ(hucre(2, 1).at(0).toInt(), xlsokuyucu::Tarih);
    EXPECT_EQ(hucre(2, 1).at(1).toDouble(), QDate(1899, 12, 30).daysTo(QDate(2024, 1, 31)));
    EXPECT_EQ(hucre(2, 2).at(0).toInt(), xlsokuyucu::Sayi);
    EXPECT_EQ(hucre(2, 2).at(2).toString(), "General");
    EXPECT_EQ(hucre(2, 3).at(1).toDouble(), 0.5);
    EXPECT_EQ(hucre(2, 3).at(2).toString(), kPara);
    EXPECT_EQ(hucre(2, 4).at(1).toString(), "Adet: 1");
    EXPECT_EQ(hucre(3, 1).at(1).toDouble(), 1); // group footer: count of Tarih
    EXPECT_EQ(hucre(3, 3).at(1).toDouble(), 0.5);
    EXPECT_EQ(hucre(4, 0).at(1).toString(), "Satıcı: Veli (2 kayıt)");
    EXPECT_EQ(hucre(5, 0).at(1).toDouble(), 1);
    EXPECT_EQ(hucre(5, 3).at(1).toDouble(), 1234.5);
    EXPECT_EQ(hucre(7, 3).at(1).toDouble(), 1244.5);
    EXPECT_EQ(hucre(7, 3).at(2).toString(), kPara);
    EXPECT_EQ(hucre(8, 1).at(1).toDouble(), 3); // grid footer
    EXPECT_EQ(hucre(8, 3).at(1).toDouble(), 1245);
}

TEST(Izgara, TypingSearchesTheFocusedColumn)
{
    Sepet s;
    Pencere p(&s.t);
    p.izgara.setOdak(0, u"MARKA");
    p.v()->setFocus();
    QTest::keyClicks(p.v(), "va");
    EXPECT_EQ(p.izgara.odakSatiri(), 4);
    EXPECT_EQ(p.izgara.odakSutunu(), "MARKA");
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    p.izgara.setOdak(0, u"MIKTAR");
    QTest::keyClicks(p.v(), "7");
    EXPECT_EQ(p.izgara.odakSatiri(), 3) << "the search runs in the focused column, not the first";
}
