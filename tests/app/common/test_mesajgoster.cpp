// The message dialog: captions, buttons, focus, font and sound, through the real box.
#include "app/common/baglantikontrol.h"
#include "app/common/mesajgoster.h"
#include "app/common/sistemsesi.h"
#include "server/connection.h"
#include "support/modalyanit.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QThread>

#include <atomic>
#include <thread>

#include <gmock/gmock.h>
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

TEST_F(MesajGosterTest, FocusedButtonComesFirstInTheTabOrder)
{
    QStringList sira;
    ModalYanit yanit;
    yanit.cevapla("Vazgeç", {}, {}, [&](QWidget *w) {
        for (int i = 0; i < 3 && w->focusWidget(); ++i) {
            sira << qobject_cast<QPushButton *>(w->focusWidget())->text();
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        }
    });
    MesajGoster("Sipariş silinsin mi ?", mtSoru, { Dugme::Evet, Dugme::Hayir, Dugme::Vazgec }, Dugme::Hayir);
    EXPECT_TRUE(yanit.bekle());
    EXPECT_EQ(sira, (QStringList { "Hayır", "Evet", "Vazgeç" }));
}

TEST_F(MesajGosterTest, FromAWorkerTheDialogRunsOnTheUiThreadAndTheWorkerWaits)
{
    QThread *diyalogThreadi = nullptr;
    ModalYanit yanit;
    yanit.cevapla("Evet", "Devam edilsin mi", "Soru", [&](QWidget *w) { diyalogThreadi = w->thread(); });
    std::atomic<bool> bitti { false };
    std::atomic<bool> cevap { false };
    std::thread isci([&] {
        cevap = SoruSor("Devam edilsin mi ?", Dugme::Hayir);
        bitti = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return bitti.load(); }, 5000));
    isci.join();
    EXPECT_TRUE(yanit.bekle());
    EXPECT_TRUE(cevap.load());
    EXPECT_EQ(diyalogThreadi, QCoreApplication::instance()->thread());
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

namespace {

// The helper itself must fail loudly, or every widget test built on it could pass blind.
TEST(ModalYanit, FailsWhenTheExpectedDialogNeverCame)
{
    ModalYanit yanit(5, 2);
    yanit.cevapla("Tamam", "Siparişiniz Gönderildi !");
    const ::testing::AssertionResult sonuc = yanit.bekle(1000);
    EXPECT_FALSE(sonuc);
    EXPECT_THAT(sonuc.message(), ::testing::HasSubstr("görülmedi"));
}

TEST(ModalYanit, WrongTextOrAnUnexpectedDialogFailsAndNothingHangs)
{
    {
        ModalYanit yanit;
        yanit.cevapla("Tamam", "Siparişiniz Gönderildi !");
        BilgiGoster("Başka bir şey");
        EXPECT_FALSE(yanit.bekle());
    }
    {
        ModalYanit yanit; // no answer scheduled: the dialog is closed and recorded
        EXPECT_EQ(MesajGoster("Beklenmeyen", mtUyari, { Dugme::Evet, Dugme::Hayir }, Dugme::Evet), Dugme::Vazgec);
        EXPECT_FALSE(yanit.bekle());
        ASSERT_EQ(yanit.gorulenler().size(), 1);
        EXPECT_EQ(yanit.gorulenler().front().metin, "Beklenmeyen");
        EXPECT_EQ(yanit.gorulenler().front().baslik, "Uyarı");
    }
}

// Offscreen and in CI there is no sound system: the real path must neither wait nor fail.
TEST(SistemSesi, RealSoundReturnsAtOnceWithoutASoundSystem)
{
    QElapsedTimer sure;
    sure.start();
    for (int tur : { int(mtUyari), int(mtHata), int(mtBilgi), int(mtSoru), 5 })
        SistemSesiCal(tur);
    EXPECT_LT(sure.elapsed(), 200);
    QTest::qWait(300); // the players run on their own threads meanwhile
}

TEST(MesajDiyaloguKur, TheConnectionCheckSpeaksThroughTheDialog)
{
    QTcpServer bos; // a loopback port nobody listens on once it is closed
    ASSERT_TRUE(bos.listen(QHostAddress::LocalHost));
    const quint16 port = bos.serverPort();
    bos.close();
    Connection baglanti;
    baglanti.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    baglanti.setParam(QStringLiteral("Port"), QString::number(port));
    baglantikontrol::setBekle([](std::chrono::milliseconds) {});
    MesajDiyaloguKur();

    ModalYanit yanit;
    yanit.cevapla("Tamam", "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", "Hata");
    EXPECT_FALSE(BaglantiKontrol(baglanti, true));
    EXPECT_TRUE(yanit.bekle());
    EXPECT_EQ(yanit.gorulenler().size(), 1);
    baglantikontrol::setBekle({});
    baglantikontrol::setMesajGoster({});
}

} // namespace
