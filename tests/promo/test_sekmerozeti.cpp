// The badge form of tab captions: the split, and what the painter leaves on screen.
#include "promo/sekmerozeti.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(SekmeRozeti, SplitsCountAndTitle)
{
    const struct
    {
        QString baslik;
        SekmeRozeti beklenen;
    } durumlar[] = {
        { "0=Stok Listesi", { 0, "Stok Listesi" } },
        { "12=Sepet", { 12, "Sepet" } },
        { "Sepet", { 0, "Sepet" } },
        { "007=Stok", { 7, "Stok" } },
        { "3=a=b", { 3, "a=b" } }, // only the first "=" splits
        { "5=", { 5, "" } },
        // No decimal count before the "=": a plain title, nothing dropped.
        { "=x", { 0, "=x" } },
        { "a=b", { 0, "a=b" } },
        { "-3=Sepet", { 0, "-3=Sepet" } },
        { "2.5=Duyurular", { 0, "2.5=Duyurular" } },
        { "99999999999=Sepet", { 0, "99999999999=Sepet" } },
        { "", { 0, "" } },
        { "1=" + QString(150, 'x'), { 1, QString(100, 'x') } },
    };
    for (const auto &d : durumlar)
        EXPECT_EQ(RozetAyir(d.baslik), d.beklenen) << d.baslik.toStdString();
}

namespace {

// Pixels near the badge colour inside a rectangle of the grabbed bar.
int rozetPikselleri(const QImage &resim, const QRect &alan)
{
    int n = 0;
    for (int y = alan.top(); y <= alan.bottom(); ++y)
        for (int x = alan.left(); x <= alan.right(); ++x) {
            const QColor c = resim.pixelColor(x, y);
            n += qAbs(c.red() - 30) + qAbs(c.green() - 180) + qAbs(c.blue() - 223) < 60;
        }
    return n;
}

} // namespace

TEST(SekmeRozeti, PaintsTheBadgeTopRightOnlyForACount)
{
    RozetliSekmeler sekmeler;
    sekmeler.addTab(new QWidget, "12=Sepet");
    sekmeler.addTab(new QWidget, "0=Stok Listesi");
    sekmeler.addTab(new QWidget, "Duyurular");
    sekmeler.resize(600, 200);
    sekmeler.show();

    RozetliSekmeCubugu *cubuk = sekmeler.cubuk();
    EXPECT_EQ(cubuk->tabRect(0).size(), QSize(120, 45));
    EXPECT_EQ(sekmeler.tabText(0), "12=Sepet"); // the caption stays as set
    EXPECT_EQ(cubuk->accessibleTabName(0), "Sepet (12)");
    EXPECT_EQ(cubuk->accessibleTabName(1), "Stok Listesi");

    const QImage resim = cubuk->grab().toImage();
    const QRect sepet = cubuk->tabRect(0);
    const QRect sagUst(sepet.center().x() + 20, sepet.top(), sepet.width() / 2 - 20, sepet.height() / 2);
    const QRect solAlt(sepet.left(), sepet.center().y(), sepet.width() / 2, sepet.height() / 2);
    EXPECT_GT(rozetPikselleri(resim, sagUst), 5);
    EXPECT_EQ(rozetPikselleri(resim, solAlt), 0);
    EXPECT_EQ(rozetPikselleri(resim, cubuk->tabRect(1)), 0);
    EXPECT_EQ(rozetPikselleri(resim, cubuk->tabRect(2)), 0);

    // A new count repaints in place.
    sekmeler.setTabText(1, "3=Stok Listesi");
    const QImage sonra = cubuk->grab().toImage();
    EXPECT_GT(rozetPikselleri(sonra, cubuk->tabRect(1)), 5);
    EXPECT_EQ(cubuk->accessibleTabName(1), "Stok Listesi (3)");
}
