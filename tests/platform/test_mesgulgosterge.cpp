// The busy animation: visible and turning only while started, and no timer while unseen.
#include "platform/mesgulgosterge.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

TEST(MesgulGosterge, HiddenAndIdleUntilStartedAndAgainAfterStop)
{
    QWidget pencere;
    auto *g = new MesgulGosterge(&pencere);
    g->setObjectName("gifstokara");
    pencere.show();
    EXPECT_FALSE(g->isVisible());
    EXPECT_FALSE(g->animasyonda());

    g->baslat();
    EXPECT_TRUE(g->isVisible());
    EXPECT_TRUE(g->calisiyor());
    EXPECT_TRUE(g->animasyonda());

    g->durdur();
    EXPECT_FALSE(g->isVisible());
    EXPECT_FALSE(g->calisiyor());
    EXPECT_FALSE(g->animasyonda());
}

TEST(MesgulGosterge, NoTimerWhileItsPageIsHidden)
{
    QWidget pencere;
    auto *sayfa = new QWidget(&pencere);
    auto *g = new MesgulGosterge(sayfa);
    pencere.show();
    sayfa->hide();
    g->baslat(); // a tab loading in the background
    EXPECT_TRUE(g->calisiyor());
    EXPECT_FALSE(g->animasyonda());
    sayfa->show();
    EXPECT_TRUE(g->animasyonda());
    sayfa->hide();
    EXPECT_FALSE(g->animasyonda());
}

TEST(MesgulGosterge, SpinnerFramesChange)
{
    MesgulGosterge g;
    g.resize(20, 20);
    g.baslat();
    const QImage ilk = g.grab().toImage();
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.grab().toImage() != ilk; }, 2000));
}

TEST(MesgulGosterge, UnreadableGifKeepsTheSpinner)
{
    MesgulGosterge g;
    EXPECT_FALSE(g.setFilm("/yok/boyle/bir/dosya.gif"));
    g.baslat();
    EXPECT_TRUE(g.animasyonda());
}

TEST(MesgulGosterge, PlaysAGivenGifOnlyWhileRunning)
{
    MesgulGosterge g;
    ASSERT_TRUE(g.setFilm(TARNEVO_FIXTURES "/donen.gif"));
    EXPECT_EQ(g.sizeHint(), QSize(2, 2));
    EXPECT_FALSE(g.animasyonda());
    g.resize(2, 2);
    g.baslat();
    EXPECT_TRUE(g.animasyonda());
    const QImage ilk = g.grab().toImage();
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.grab().toImage() != ilk; }, 2000));
    g.durdur();
    EXPECT_FALSE(g.animasyonda());
}
