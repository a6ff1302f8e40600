// The "Excel Kaydet" step: extension rule, save dialog, export and its failure.
#include "app/common/async.h"
#include "app/common/excelkaydet.h"
#include "app/common/makine.h"
#include "platform/xls/xlskitap.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(XlsUzantisi, ReplacesOrAppendsTheExtension)
{
    const struct
    {
        const char *girdi, *beklenen;
    } durumlar[] = {
        { "a.xlsx", "a.xls" },
        { "rapor.csv", "rapor.xls" },
        { "rapor", "rapor.xls" },
        { "rapor.xls", "rapor.xls" },
        { "/ev/kullanıcı/Belgeler/sepet.XLSX", "/ev/kullanıcı/Belgeler/sepet.xls" },
        { "/ev/a.b/rapor", "/ev/a.b/rapor.xls" }, // a dot in a folder name is no extension
        { "/ev/a.b/rapor.2024.xlsm", "/ev/a.b/rapor.2024.xls" },
        { "/ev/.gizli", "/ev/.gizli.xls" },
        { "nokta.", "nokta.xls" },
        { "", "" },
    };
    for (const auto &d : durumlar)
        EXPECT_EQ(XlsUzantisi(QString::fromUtf8(d.girdi)), QString::fromUtf8(d.beklenen)) << d.girdi;
}

class ExcelKaydetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setGenelHataRaporu([this](const QString &m) { raporlar << m; });
    }
    void TearDown() override
    {
        setGenelHataRaporu({});
        setKayitYoluSor({});
    }

    // A small workbook, as a screen would export it.
    static void kitapYaz(const QString &yol)
    {
        XlsKitap k;
        k.setSutunlar({ QStringLiteral("ADI"), QStringLiteral("TUTAR") });
        k.satirEkle();
        k.metin(0, QStringLiteral("Yağ filtresi"));
        k.sayi(1, 125.5, k.bicimEkle({ QStringLiteral("#,###,##0.00") }));
        k.kaydet(yol);
    }

    QTemporaryDir dizin;
    QStringList raporlar;
};

TEST_F(ExcelKaydetTest, ChosenNameGetsXlsAndIsWritten)
{
    QString gorulenFiltre;
    setKayitYoluSor([&](QWidget *, const QString &filtre) {
        gorulenFiltre = filtre;
        return dizin.filePath(QStringLiteral("sepet.xlsx"));
    });
    QStringList yollar;
    ExcelKaydet(nullptr, [&](const QString &yol) {
        yollar << yol;
        kitapYaz(yol);
    });
    EXPECT_EQ(gorulenFiltre, QStringLiteral("Excel (*.xls*)"));
    EXPECT_EQ(yollar, QStringList { dizin.filePath(QStringLiteral("sepet.xls")) });
    EXPECT_TRUE(QFile::exists(dizin.filePath(QStringLiteral("sepet.xls"))));
    EXPECT_FALSE(QFile::exists(dizin.filePath(QStringLiteral("sepet.xlsx"))));
    EXPECT_TRUE(raporlar.isEmpty());
}

TEST_F(ExcelKaydetTest, CancelDoesNothing)
{
    setKayitYoluSor([](QWidget *, const QString &) { return QString(); });
    bool yazildi = false;
    ExcelKaydet(nullptr, [&](const QString &) { yazildi = true; });
    EXPECT_FALSE(yazildi);
    EXPECT_TRUE(raporlar.isEmpty());
}

TEST_F(ExcelKaydetTest, FailedWriteGoesToTheGeneralErrorReportAndLeavesTheFile)
{
    // A folder where the file should go: the save cannot replace it.
    ASSERT_TRUE(QDir(dizin.path()).mkdir(QStringLiteral("rapor.xls")));
    const QString hedef = dizin.filePath(QStringLiteral("rapor.xls"));
    setKayitYoluSor([&](QWidget *, const QString &) { return dizin.filePath(QStringLiteral("rapor")); });
    ExcelKaydet(nullptr, &ExcelKaydetTest::kitapYaz);
    ASSERT_EQ(raporlar.size(), 1);
    EXPECT_TRUE(raporlar[0].startsWith(QStringLiteral("Dosya yazılamadı: ") + hedef + QStringLiteral("\r\n")))
        << raporlar[0].toStdString();
    EXPECT_TRUE(QFileInfo(hedef).isDir());
    EXPECT_EQ(QDir(dizin.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList { QStringLiteral("rapor.xls") });
}

TEST_F(ExcelKaydetTest, RealSaveDialogWritesTheXlsFile)
{
    setKayitYoluSor([](QWidget *w, const QString &filtre) {
        return KayitYoluSorDiyalogla(w, filtre, QFileDialog::DontUseNativeDialog);
    });
    // Answers the dialog from a timer, as a user would: go to the folder, type a
    // name, press Enter.
    QString baslik, baslangic;
    QStringList filtreler;
    bool goruldu = false;
    QTimer zaman;
    zaman.setInterval(20);
    QObject::connect(&zaman, &QTimer::timeout, [&] {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!d || !d->isVisible() || goruldu)
            return;
        goruldu = true;
        baslik = d->windowTitle();
        filtreler = d->nameFilters();
        baslangic = d->directory().absolutePath();
        d->setDirectory(dizin.path());
        auto *ad = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!ad) {
            d->reject();
            return;
        }
        ad->setFocus();
        QTest::keyClicks(ad, QStringLiteral("rapor.xlsx"));
        QTest::keyClick(ad, Qt::Key_Return);
    });
    zaman.start();
    QTimer::singleShot(10000, [] { // never hang: a dialog still open fails below
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    ExcelKaydet(nullptr, &ExcelKaydetTest::kitapYaz);
    EXPECT_TRUE(goruldu);
    EXPECT_EQ(baslik, QStringLiteral("Excel Kaydet"));
    EXPECT_EQ(filtreler, QStringList { QStringLiteral("Excel (*.xls*)") });
    if (!BelgelerKlasoru().isEmpty() && QDir(BelgelerKlasoru()).exists()) {
        EXPECT_EQ(baslangic, QDir(BelgelerKlasoru()).absolutePath());
    }
    QFile f(dizin.filePath(QStringLiteral("rapor.xls")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "rapor.xls not written";
    EXPECT_TRUE(f.read(8).startsWith("\xD0\xCF\x11\xE0"));
    EXPECT_FALSE(QFile::exists(dizin.filePath(QStringLiteral("rapor.xlsx"))));
    EXPECT_TRUE(raporlar.isEmpty());
}

} // namespace
