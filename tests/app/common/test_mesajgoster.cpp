// The message dialog: captions, buttons, focus, font and sound, through the real box.
#include "app/common/mesajgoster.h"
#include "app/common/sistemsesi.h"
#include "support/modalyanit.h"

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QStringList dugmeYazilari(QWidget *w)
{
    QStringList yazilar;
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
        if (b->isVisible())
            yazilar << b->text();
    yazilar.sort();
    return yazilar;
}

class MesajGosterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setSistemSesiCalici([this](const char *ad) { sesler << QString::fromUtf8(ad); });
    }
    void TearDown() override { setSistemSesiCalici({}); }
    QStringList sesler;
};

struct TurDurumu
{
    int tur;
    const char *baslik;
    const char *ses;
};

class MesajTuruTest : public MesajGosterTest, public ::testing::WithParamInterface<TurDurumu>
{
};

TEST_P(MesajTuruTest, OneTamamButtonWithTheCaptionAndSoundOfTheKind)
{
    const TurDurumu d = GetParam();
    ModalYanit yanit;
    yanit.cevapla("Tamam", "Stok bulunamadı", QString::fromUtf8(d.baslik), [](QWidget *w) {
        EXPECT_EQ(dugmeYazilari(w), QStringList { "Tamam" });
        auto *label = w->findChild<QLabel *>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->font().pixelSize(), 15);
    });
    EXPECT_EQ(MesajGoster("Stok bulunamadı", d.tur, { Dugme::Tamam }, Dugme::Tamam), Dugme::Tamam);
    EXPECT_TRUE(yanit.bekle());
    EXPECT_EQ(sesler, d.ses ? QStringList { QString::fromUtf8(d.ses) } : QStringList {});
}

INSTANTIATE_TEST_SUITE_P(Turler, MesajTuruTest,
                         ::testing::Values(TurDurumu { mtUyari, "Uyarı", "dialog-warning" },
                                           TurDurumu { mtHata, "Hata", "dialog-error" },
                                           TurDurumu { mtBilgi, "Bilgi", "dialog-information" },
                                           TurDurumu { mtSoru, "Soru", "dialog-question" },
                                           TurDurumu { 7, "", nullptr }, TurDurumu { -1, "", nullptr }));

TEST_F(MesajGosterTest, FocusedHayirHasInitialFocusAndIsReturned)
{
    ModalYanit yanit;
    yanit.cevapla("Hayır", "silinsin mi", "Soru", [](QWidget *w) {
        EXPECT_EQ(dugmeYazilari(w), (QStringList { "Evet", "Hayır" }));
        auto *odak = qobject_cast<QPushButton *>(w->focusWidget());
        ASSERT_NE(odak, nullptr);
        EXPECT_EQ(odak->text(), "Hayır");
        EXPECT_TRUE(odak->isDefault());
    });
    EXPECT_FALSE(SoruSor("Satır silinsin mi ?", Dugme::Hayir));
    EXPECT_TRUE(yanit.bekle());
}

TEST_F(MesajGosterTest, FocusedEvetIsReturnedAsEvet)
{
    ModalYanit yanit;
    yanit.cevapla("Evet", {}, {}, [](QWidget *w) {
        ASSERT_NE(w->focusWidget(), nullptr);
        EXPECT_EQ(qobject_cast<QPushButton *>(w->focusWidget())->text(), "Evet");
    });
    EXPECT_TRUE(SoruSor("Programdan Çıkmak İstiyor musunuz ?", Dugme::Evet));
    EXPECT_TRUE(yanit.bekle());
}

TEST_F(MesajGosterTest, EveryButtonHasItsTurkishCaptionOutsideTheFourKinds)
{
    const QList<Dugme> hepsi { Dugme::Evet,        Dugme::Hayir,      Dugme::Tamam,  Dugme::Vazgec,
                               Dugme::Iptal,       Dugme::Tekrar,     Dugme::Atla,   Dugme::Tumu,
                               Dugme::TumuneHayir, Dugme::TumuneEvet, Dugme::Yardim, Dugme::Kapat };
    ModalYanit yanit;
    yanit.cevapla("Tümüne Hayır", {}, {}, [](QWidget *w) {
        EXPECT_EQ(w->windowTitle(), "");
        QStringList beklenen { "Evet", "Hayır", "Tamam",        "Vazgeç",      "İptal",  "Tekrar",
                               "Atla", "Tümü",  "Tümüne Hayır", "Tümüne Evet", "Yardım", "Kapat" };
        beklenen.sort();
        EXPECT_EQ(dugmeYazilari(w), beklenen);
    });
    EXPECT_EQ(MesajGoster("Hepsi", 9, hepsi, Dugme::Tamam), Dugme::TumuneHayir);
    EXPECT_TRUE(yanit.bekle());
    EXPECT_TRUE(sesler.isEmpty());
}

TEST_F(MesajGosterTest, FontSizeFollowsTheSetting)
{
    setMesajYaziBoyu(22);
    ModalYanit yanit;
    yanit.cevapla("Tamam", {}, {},
                  [](QWidget *w) { EXPECT_EQ(w->findChild<QLabel *>("qt_msgbox_label")->font().pixelSize(), 22); });
    BilgiGoster("Siparişiniz Gönderildi !");
    setMesajYaziBoyu(15);
    EXPECT_TRUE(yanit.bekle());
}

TEST_F(MesajGosterTest, ClosedWithoutAButtonGivesVazgec)
{
    ModalYanit yanit;
    yanit.cevapla("yok böyle düğme");
    EXPECT_EQ(MesajGoster("Kapanacak", mtBilgi, { Dugme::Evet, Dugme::Tamam }, Dugme::Tamam), Dugme::Vazgec);
    EXPECT_FALSE(yanit.bekle()); // the helper reports the missing button and closes the dialog
    ASSERT_EQ(yanit.gorulenler().size(), 1);
}

TEST_F(MesajGosterTest, CentredOnItsOwner)
{
    QWidget sahip;
    sahip.setGeometry(100, 100, 800, 600);
    sahip.show();
    ModalYanit yanit;
    yanit.cevapla("Tamam", {}, {}, [&](QWidget *w) {
        const QPoint fark = w->frameGeometry().center() - sahip.frameGeometry().center();
        EXPECT_LE(fark.manhattanLength(), 4);
    });
    UyariGoster("Lütfen en az 3 harf girin", &sahip);
    EXPECT_TRUE(yanit.bekle());
}

} // namespace
