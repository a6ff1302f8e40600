// The price preview: the calculation itself and the dialog fields that show it.
#include "app/common/para.h"
#include "catalogue/fiyatonizleme.h"
#include "catalogue/tstokayarinti.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct OnizlemeDurumu
{
    const char *ad;
    double fiyat;
    int adet;
    double kdv;
    std::array<double, 4> oranlar;
    FiyatOnizleme beklenen;
};

// Worked example: 100 x 3 less 10 % then 5 % of what is left, 18 % VAT.
constexpr FiyatOnizleme ornek { 43.5, 256.5, 85.5, 100.89, 302.67 };

const OnizlemeDurumu durumlar[] = {
    { "compounding rates", 100, 3, 18, { 10, 5, 0, 0 }, ornek },
    { "a zero rate between others is skipped", 100, 3, 18, { 10, 0, 5, 0 }, ornek },
    { "a negative rate is ignored", 100, 3, 18, { 10, -20, 5, 0 }, ornek },
    { "halves round away from zero", 0.125, 1, 0, { 0, 0, 0, 0 }, { 0, 0.13, 0.13, 0.13, 0.13 } },
    // The total is the rounded VAT-inclusive unit price times the quantity,
    // not the rounded gross total: 3 x 33.33 x 1.18 differs from 100 x 1.18.
    { "total from the rounded unit price", 33.333, 3, 18, { 0, 0, 0, 0 }, { 0, 100, 33.33, 39.33, 117.99 } },
    { "all four rates", 200, 1, 8, { 50, 50, 50, 50 }, { 187.5, 12.5, 12.5, 13.5, 13.5 } },
};

class Onizleme : public ::testing::TestWithParam<OnizlemeDurumu>
{
};

TEST_P(Onizleme, CalculationGivesEachAmount)
{
    const OnizlemeDurumu &d = GetParam();
    const FiyatOnizleme o = FiyatOnizlemeHesapla(d.fiyat, d.adet, d.kdv, d.oranlar);
    EXPECT_NEAR(o.indirimTutari, d.beklenen.indirimTutari, 1e-9);
    EXPECT_DOUBLE_EQ(o.netTutar, d.beklenen.netTutar);
    EXPECT_DOUBLE_EQ(o.netBirimFiyat, d.beklenen.netBirimFiyat);
    EXPECT_DOUBLE_EQ(o.kdvDahilBirimFiyat, d.beklenen.kdvDahilBirimFiyat);
    EXPECT_DOUBLE_EQ(o.genelTutar, d.beklenen.genelTutar);
}

TEST_P(Onizleme, DialogShowsTheAmountsWhenItBecomesActive)
{
    const OnizlemeDurumu &d = GetParam();
    Tstokayarinti dlg;
    dlg.kdvoran = d.kdv;
    dlg.ind1 = d.oranlar[0];
    dlg.ind2 = d.oranlar[1];
    dlg.ind3 = d.oranlar[2];
    dlg.ind4 = d.oranlar[3];
    dlg.setBirimFiyat(d.fiyat);
    {
        const QSignalBlocker sessiz(dlg.adet); // the opener sets the quantity before showing
        dlg.adet->setValue(d.adet);
    }
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    // The field holds the price as shown, with two decimals.
    const double p = IkiHaneYuvarla(d.fiyat);
    const FiyatOnizleme o = FiyatOnizlemeHesapla(p, d.adet, d.kdv, d.oranlar);
    EXPECT_EQ(dlg.indtutar->text(), ParaBicimle(o.indirimTutari));
    EXPECT_EQ(dlg.kdvdahiltutar->text(), ParaBicimle(o.kdvDahilBirimFiyat));
    EXPECT_EQ(dlg.geneltutar->text(), ParaBicimle(o.genelTutar));
    if (p == d.fiyat) {
        EXPECT_EQ(dlg.geneltutar->text(), ParaBicimle(d.beklenen.genelTutar));
    }
}

INSTANTIATE_TEST_SUITE_P(Durumlar, Onizleme, ::testing::ValuesIn(durumlar), [](const auto &i) {
    std::string s = i.param.ad;
    for (char &c : s)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return s;
});

TEST(OnizlemeSinir, NoQuantityGivesNoUnitPrice)
{
    const FiyatOnizleme o = FiyatOnizlemeHesapla(50, 0, 18, { 10, 0, 0, 0 });
    EXPECT_EQ(o.netBirimFiyat, 0);
    EXPECT_EQ(o.kdvDahilBirimFiyat, 0);
    EXPECT_EQ(o.genelTutar, 0);
}

// The preview follows the quantity and a typed price as the user works.
TEST(OnizlemeDiyalog, FollowsQuantityAndTypedPrice)
{
    Tstokayarinti dlg;
    dlg.kdvoran = 18;
    dlg.ind1 = 10;
    dlg.ind2 = 5;
    dlg.setBirimFiyat(100);
    dlg.setFiyatDuzenlenir(true);
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    // Activation selects the quantity, so typing replaces it.
    QTest::keyClicks(dlg.adet, "3");
    EXPECT_EQ(dlg.adet->value(), 3);
    EXPECT_EQ(dlg.indtutar->text(), ParaBicimle(43.5));
    EXPECT_EQ(dlg.kdvdahiltutar->text(), ParaBicimle(100.89));
    EXPECT_EQ(dlg.geneltutar->text(), ParaBicimle(302.67));

    dlg.birimfiyat->setFocus();
    dlg.birimfiyat->selectAll();
    QTest::keyClicks(dlg.birimfiyat, "200");
    EXPECT_DOUBLE_EQ(dlg.birimFiyatDegeri(), 200);
    EXPECT_EQ(dlg.indtutar->text(), ParaBicimle(87));
    EXPECT_EQ(dlg.geneltutar->text(), ParaBicimle(605.34)); // 513 / 3 = 171, x 1.18 = 201.78
}

} // namespace
