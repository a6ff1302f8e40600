// The login dialog on its own: the settings file and the Enter key of its fields.
#include "app/ayardosyasi.h"
#include "app/tgirisform.h"
#include "platform/mesgulgosterge.h"
#include "support/modalyanit.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class GirisAyar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        yol = AyarDosyasiYolu();
        QFile::remove(yol);
    }
    void TearDown() override
    {
        QFile::remove(yol);
        QStandardPaths::setTestModeEnabled(false);
    }
    void yaz(const QByteArray &icerik)
    {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(icerik);
    }
    QByteArray oku()
    {
        QFile f(yol);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void turkceYaz(QWidget *w, const QString &metin)
    {
        for (const QChar c : metin) {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    QString yol;
};

TEST_F(GirisAyar, FileHoldsTheThreeKeysAsUtf8AndOnlyItsOwnerMayReadIt)
{
    ASSERT_TRUE(QFileInfo(yol).absolutePath().contains(QStringLiteral("tarnevooto")));
    // A wider mode left by someone else is narrowed as well.
    yaz("eski");
    ASSERT_TRUE(QFile::setPermissions(yol, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    ASSERT_TRUE(AyarDosyasiYaz(yol, { QStringLiteral("ŞAHİN"), QStringLiteral("12 34"), false }));
    EXPECT_EQ(oku(), QByteArray("[kullanici]\nisim=ŞAHİN\nsifre=12 34\nhatırla=0\n"));
    struct stat st
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(yol).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    const auto geri = AyarDosyasiOku(yol);
    ASSERT_TRUE(geri);
    EXPECT_EQ(geri->isim, QStringLiteral("ŞAHİN"));
    EXPECT_EQ(geri->sifre, QStringLiteral("12 34"));
    EXPECT_FALSE(geri->hatirla);
}

TEST_F(GirisAyar, MissingFileOrKeysGiveTheDefaults)
{
    EXPECT_FALSE(AyarDosyasiOku(yol));
    {
        Tgirisform giris;
        EXPECT_TRUE(giris.benihatirla->isChecked());
        EXPECT_TRUE(giris.adi->text().isEmpty());
        EXPECT_TRUE(giris.sifre->text().isEmpty());
    }
    // Without "hatırla" the box is checked and the remembered values come back.
    yaz("[kullanici]\nisim=BAYI3\nsifre=1234\n");
    Tgirisform giris;
    EXPECT_TRUE(giris.benihatirla->isChecked());
    EXPECT_EQ(giris.adi->text(), QStringLiteral("BAYI3"));
    EXPECT_EQ(giris.sifre->text(), QStringLiteral("1234"));
}

TEST_F(GirisAyar, UncheckedRememberLeavesTheFieldsEmptyAlthoughTheFileHasThem)
{
    {
        Tgirisform giris;
        QTest::keyClicks(giris.adi, "bayi3");
        QTest::keyClicks(giris.sifre, "1234");
        giris.benihatirla->setChecked(false);
        giris.AyarKaydet();
    }
    EXPECT_TRUE(oku().contains("isim=BAYI3\nsifre=1234\nhatırla=0"));
    Tgirisform sonraki;
    EXPECT_FALSE(sonraki.benihatirla->isChecked());
    EXPECT_TRUE(sonraki.adi->text().isEmpty());
    EXPECT_TRUE(sonraki.sifre->text().isEmpty());
}

TEST_F(GirisAyar, DialogShowsItsControlsAndTypesInUpperCase)
{
    Tgirisform giris;
    EXPECT_EQ(giris.windowTitle(), QStringLiteral("Giriş"));
    EXPECT_EQ(giris.size(), QSize(368, 550));
    EXPECT_EQ(giris.findChild<QPushButton *>("Button1")->text(), QStringLiteral("Giriş"));
    EXPECT_EQ(giris.findChild<QPushButton *>("Button2")->text(), QStringLiteral("Vazgeç"));
    EXPECT_EQ(giris.findChild<QCheckBox *>("benihatirla")->text(), QStringLiteral("Beni hatırla"));
    ASSERT_NE(giris.findChild<QWidget *>("RxGIFAnimator1"), nullptr);
    EXPECT_FALSE(giris.RxGIFAnimator1->isVisible());
    EXPECT_EQ(giris.sifre->echoMode(), QLineEdit::Password);
    giris.show();
    QTest::keyClicks(giris.findChild<QLineEdit *>("adi"), "bayi");
    turkceYaz(giris.adi, QStringLiteral("şi"));
    EXPECT_EQ(giris.adi->text(), QStringLiteral("BAYIŞI"));
    QTest::keyClicks(giris.findChild<QLineEdit *>("sifre"), "ab1");
    EXPECT_EQ(giris.sifre->text(), QStringLiteral("AB1"));
    EXPECT_EQ(giris.sifre->displayText(), QStringLiteral("***"));
}

TEST_F(GirisAyar, EnterInAnEmptyFieldWarnsAndKeepsTheFocus)
{
    struct Durum
    {
        const char *alan;
        const char *metin;
    };
    for (const Durum d : { Durum { "adi", "Lütfen kullanıcı adını giriniz !" },
                           Durum { "sifre", "Lütfen kullanıcı şifresini giriniz !" } }) {
        SCOPED_TRACE(d.alan);
        Tgirisform giris;
        giris.show();
        QApplication::setActiveWindow(&giris);
        auto *alan = giris.findChild<QLineEdit *>(d.alan);
        alan->setFocus();
        QTest::keyClicks(alan, "  ");
        ModalYanit yanit;
        yanit.cevapla(QStringLiteral("Tamam"), QString::fromUtf8(d.metin), QStringLiteral("Uyarı"));
        QTest::keyClick(alan, Qt::Key_Return);
        EXPECT_TRUE(yanit.bekle());
        // The dialog gets its activation back after the message box; its focus is on the field.
        EXPECT_EQ(giris.focusWidget(), alan);
        EXPECT_EQ(alan->selectedText(), QStringLiteral("  "));
        EXPECT_EQ(giris.Button1->text(), QStringLiteral("Giriş")); // no login started
        EXPECT_TRUE(giris.isVisible());
    }
}

TEST_F(GirisAyar, EnterInAFilledUserNameMovesToThePassword)
{
    Tgirisform giris;
    giris.show();
    QApplication::setActiveWindow(&giris);
    QTest::keyClicks(giris.sifre, "1234");
    giris.adi->setFocus();
    QTest::keyClicks(giris.adi, "BAYI3");
    QTest::keyClick(giris.adi, Qt::Key_Return);
    EXPECT_EQ(giris.focusWidget(), giris.sifre);
    EXPECT_EQ(giris.sifre->selectedText(), QStringLiteral("1234"));
    EXPECT_TRUE(giris.isVisible()); // the dialog's default button did not take the key
}

} // namespace
