// The tab load: controls during and after the fetch, the failure message, and
// requests made while a load runs.
#include "app/common/async.h"
#include "app/common/sekmeyukleme.h"
#include "platform/mesgulgosterge.h"
#include "support/modalyanit.h"

#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

class SekmeYuklemeTest : public ::testing::Test
{
protected:
    SekmeYuklemeTest()
    {
        gosterge = new MesgulGosterge(&pencere);
        gosterge->setObjectName("gifekstre");
        izgara = new QWidget(&pencere);
        pencere.show();
    }

    // A fetch that waits for the test to let it go, counting the fetches running at once.
    SekmeYukleme::Adimlar adimlar(bool hata = false)
    {
        return { [this] { olaylar << QStringLiteral("hazirla"); },
                 [this, hata] {
                     const int simdi = ++calisan;
                     int enCok = enCokCalisan.load();
                     while (simdi > enCok && !enCokCalisan.compare_exchange_weak(enCok, simdi)) { }
                     ++getirilen;
                     while (!birak)
                         QThread::yieldCurrentThread();
                     --calisan;
                     return hata;
                 },
                 [this](bool) { olaylar << QStringLiteral("bitir"); } };
    }

    QWidget pencere;
    MesgulGosterge *gosterge;
    QWidget *izgara;
    QStringList olaylar;
    std::atomic<bool> birak { false };
    std::atomic<int> calisan { 0 };
    std::atomic<int> enCokCalisan { 0 };
    std::atomic<int> getirilen { 0 };
};

TEST_F(SekmeYuklemeTest, BusyAndDisabledDuringTheFetchRestoredAfter)
{
    SekmeYukleme yukleme(gosterge, izgara, adimlar());
    yukleme.Yukle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return getirilen == 1; }, 5000));
    EXPECT_TRUE(yukleme.yukleniyor());
    EXPECT_TRUE(gosterge->isVisible());
    EXPECT_TRUE(gosterge->animasyonda());
    EXPECT_FALSE(izgara->isEnabled());
    EXPECT_EQ(olaylar, QStringList { "hazirla" });

    ModalYanit yanit; // no message is expected: any dialog fails the test
    birak = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !yukleme.yukleniyor(); }, 5000));
    EXPECT_FALSE(gosterge->isVisible());
    EXPECT_FALSE(gosterge->animasyonda());
    EXPECT_TRUE(izgara->isEnabled());
    EXPECT_EQ(olaylar, (QStringList { "hazirla", "bitir" }));
    EXPECT_TRUE(yanit.bekle());
    EXPECT_TRUE(yanit.gorulenler().isEmpty());
}

TEST_F(SekmeYuklemeTest, FailureShowsTheConnectionMessageOnceAfterRestoring)
{
    birak = true;
    SekmeYukleme yukleme(gosterge, izgara, adimlar(true));
    int bittiSayisi = 0;
    QObject::connect(&yukleme, &SekmeYukleme::bitti, [&](bool hata) {
        EXPECT_TRUE(hata);
        ++bittiSayisi;
    });
    ModalYanit yanit;
    yanit.cevapla("Tamam", "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", "Hata", [&](QWidget *) {
        EXPECT_TRUE(izgara->isEnabled());
        EXPECT_FALSE(gosterge->isVisible());
    });
    yukleme.Yukle();
    EXPECT_TRUE(yanit.bekle());
    ASSERT_TRUE(QTest::qWaitFor([&] { return bittiSayisi == 1; }, 5000));
    QTest::qWait(50); // room for a second message, which must not come
    EXPECT_EQ(yanit.gorulenler().size(), 1);
    EXPECT_EQ(bittiSayisi, 1);
}

TEST_F(SekmeYuklemeTest, RequestsWhileLoadingGiveExactlyOneReloadNeverTwoAtOnce)
{
    SekmeYukleme yukleme(gosterge, izgara, adimlar());
    int bittiSayisi = 0;
    QObject::connect(&yukleme, &SekmeYukleme::bitti, [&] { ++bittiSayisi; });
    yukleme.Yukle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return getirilen == 1; }, 5000));
    yukleme.Yukle();
    yukleme.Yukle();
    yukleme.Yukle();
    QTest::qWait(20);
    EXPECT_EQ(getirilen.load(), 1);

    birak = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return bittiSayisi == 2; }, 5000));
    QTest::qWait(50); // a third load would have started by now
    EXPECT_EQ(getirilen.load(), 2);
    EXPECT_EQ(enCokCalisan.load(), 1);
    EXPECT_EQ(olaylar, (QStringList { "hazirla", "bitir", "hazirla", "bitir" }));
    EXPECT_TRUE(izgara->isEnabled());
    EXPECT_FALSE(gosterge->isVisible());

    // Once idle, a request loads at once again.
    yukleme.Yukle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bittiSayisi == 3; }, 5000));
    EXPECT_EQ(getirilen.load(), 3);
}

TEST_F(SekmeYuklemeTest, EscapedErrorRestoresControlsAndReachesTheGeneralReport)
{
    QStringList raporlar;
    setGenelHataRaporu([&](const QString &m) { raporlar << m; });
    SekmeYukleme yukleme(gosterge, izgara, { {}, []() -> bool { throw std::runtime_error("Tablo yüklenemedi"); }, {} });
    ModalYanit yanit; // the connection message is for the failure flag only
    yukleme.Yukle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !raporlar.isEmpty(); }, 5000));
    setGenelHataRaporu({});
    EXPECT_EQ(raporlar, QStringList { "Tablo yüklenemedi" });
    EXPECT_TRUE(izgara->isEnabled());
    EXPECT_FALSE(gosterge->isVisible());
    EXPECT_FALSE(yukleme.yukleniyor());
    EXPECT_TRUE(yanit.bekle());
    EXPECT_TRUE(yanit.gorulenler().isEmpty());
}

TEST_F(SekmeYuklemeTest, FailedPreparationRestoresAtOnceAndFetchesNothing)
{
    QStringList raporlar;
    setGenelHataRaporu([&](const QString &m) { raporlar << m; });
    auto a = adimlar();
    a.hazirla = [] { throw std::runtime_error("Izgara hazırlanamadı"); };
    SekmeYukleme yukleme(gosterge, izgara, a);
    yukleme.Yukle();
    setGenelHataRaporu({});
    EXPECT_EQ(raporlar, QStringList { "Izgara hazırlanamadı" });
    EXPECT_FALSE(yukleme.yukleniyor());
    EXPECT_TRUE(izgara->isEnabled());
    EXPECT_FALSE(gosterge->isVisible());
    QTest::qWait(20);
    EXPECT_EQ(getirilen.load(), 0);
}

TEST_F(SekmeYuklemeTest, DestroyedDuringTheLoadSkipsItsCompletion)
{
    auto *yukleme = new SekmeYukleme(gosterge, izgara, adimlar());
    yukleme->Yukle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return getirilen == 1; }, 5000));
    delete yukleme;
    birak = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return calisan == 0; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(olaylar, QStringList { "hazirla" });
}

} // namespace
