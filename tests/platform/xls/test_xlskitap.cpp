// The spreadsheet writer, read back by an independent reader.
#include "platform/xls/xlskitap.h"
#include "xlsokuyucu.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace xlsokuyucu;

const QString kTurkce = QStringLiteral("Çağrı Şüphe İĞÜŞÖÇ ığüşöç");

QJsonArray hucre(const QJsonObject &kitap, int sayfa, int satir, int sutun)
{
    return kitap[u"sayfalar"][sayfa][u"hucreler"][satir][sutun].toArray();
}

// The records of the workbook stream (our layout puts it right after the header):
// type -> count; fails the test on a record longer than the format allows.
std::map<quint16, int> kayitlar(const QByteArray &dosya)
{
    std::map<quint16, int> sayim;
    const qsizetype dizin = 512 + 512 * qsizetype(qFromLittleEndian<quint32>(dosya.constData() + 0x30));
    const quint32 akisBoyu = qFromLittleEndian<quint32>(dosya.constData() + dizin + 128 + 0x78);
    qsizetype p = 512;
    const qsizetype son = 512 + akisBoyu;
    while (p + 4 <= son) {
        const quint16 tur = qFromLittleEndian<quint16>(dosya.constData() + p);
        const quint16 boy = qFromLittleEndian<quint16>(dosya.constData() + p + 2);
        if (tur == 0 && boy == 0)
            break; // the padding after the last sheet
        EXPECT_LE(boy, 8224) << "record 0x" << std::hex << tur << " too long";
        ++sayim[tur];
        p += 4 + boy;
    }
    EXPECT_LE(p, son);
    return sayim;
}

class XlsKitapTest : public ::testing::Test
{
protected:
    QString kaydet(const XlsKitap &k, const QString &ad = QStringLiteral("kitap.xls"))
    {
        const QString yol = dizin.filePath(ad);
        k.kaydet(yol);
        return yol;
    }
    QTemporaryDir dizin;
};

TEST_F(XlsKitapTest, TypedCellsWithFormatsCaptionsAndWidths)
{
    XlsKitap k;
    k.setSayfaAdi(QStringLiteral("Sepet"));
    k.setSutunlar({ QStringLiteral("STOKKODU"), QStringLiteral("ADI"), QStringLiteral("TUTAR"), QStringLiteral("TARIH"),
                    QStringLiteral("MIKTAR"), QStringLiteral("BOŞ") },
                  { 12, 30, 0, 10 });
    const int para = k.bicimEkle({ QStringLiteral("#,###,##0.00") });
    EXPECT_EQ(k.bicimEkle({ QStringLiteral("#,###,##0.00") }), para);
    EXPECT_NE(k.bicimEkle({ QStringLiteral("#,###,##0.00"), true }), para);

    k.satirEkle();
    k.metin(0, QStringLiteral("ABC-001"));
    k.metin(1, kTurkce);
    k.sayi(2, 1234567.891, para);
    k.tarih(3, 45292.0); // 2024-01-01
    k.sayi(4, 7);
    // column 5 stays empty
    k.satirEkle();
    k.metin(0, QStringLiteral("ABC-001")); // shared with the row above
    k.sayi(2, 12.34, para); // hundredths: RK
    k.sayi(3, -0.1 + 1e-13); // no RK form: NUMBER
    k.sayi(4, std::nan(""));
    k.metin(5, QString());

    EXPECT_EQ(k.satirSayisi(), 2);
    const QString yol = kaydet(k);
    const QJsonObject o = oku(yol);
    const QJsonObject s = o[u"sayfalar"][0].toObject();
    ASSERT_EQ(o[u"sayfalar"].toArray().size(), 1);
    EXPECT_EQ(s[u"ad"].toString(), QStringLiteral("Sepet"));
    EXPECT_EQ(s[u"nrows"].toInt(), 3);
    EXPECT_EQ(s[u"ncols"].toInt(), 6);

    for (int c = 0; c < 6; ++c) {
        const QJsonArray h = hucre(o, 0, 0, c);
        EXPECT_EQ(h[0].toInt(), Metin) << c;
        EXPECT_TRUE(h[3].toBool()) << "caption " << c << " not bold";
    }
    EXPECT_EQ(hucre(o, 0, 0, 5)[1].toString(), QStringLiteral("BOŞ"));

    struct Beklenen
    {
        int satir, sutun, tur;
        QJsonValue deger;
        QString bicim;
    };
    const Beklenen beklenen[] = {
        { 1, 0, Metin, QStringLiteral("ABC-001"), QStringLiteral("General") },
        { 1, 1, Metin, kTurkce, QStringLiteral("General") },
        { 1, 2, Sayi, 1234567.891, QStringLiteral("#,###,##0.00") },
        { 1, 3, Tarih, 45292.0, QStringLiteral("dd.mm.yyyy") },
        { 1, 4, Sayi, 7.0, QStringLiteral("General") },
        { 1, 5, Bos, QStringLiteral(""), QString() },
        { 2, 0, Metin, QStringLiteral("ABC-001"), QStringLiteral("General") },
        { 2, 2, Sayi, 12.34, QStringLiteral("#,###,##0.00") },
        { 2, 3, Sayi, -0.1 + 1e-13, QStringLiteral("General") },
        { 2, 4, Hata, 0x24, QStringLiteral("General") },
        { 2, 5, Metin, QStringLiteral(""), QStringLiteral("General") },
    };
    for (const Beklenen &b : beklenen) {
        const QJsonArray h = hucre(o, 0, b.satir, b.sutun);
        SCOPED_TRACE(testing::Message() << "row " << b.satir << " column " << b.sutun);
        EXPECT_EQ(h[0].toInt(), b.tur);
        EXPECT_EQ(h[1], b.deger);
        if (!b.bicim.isEmpty()) {
            EXPECT_EQ(h[2].toString(), b.bicim);
        }
        EXPECT_FALSE(h[3].toBool());
    }

    // Widths in 1/256 of a character; 0 keeps the default.
    const QJsonObject g = s[u"genislik"].toObject();
    EXPECT_GE(g[u"0"].toInt(), 12 * 256);
    EXPECT_LT(g[u"0"].toInt(), 13 * 256);
    EXPECT_GE(g[u"1"].toInt(), 30 * 256);
    EXPECT_FALSE(g.contains(u"2"));

    const auto r = kayitlar(k.bayt());
    EXPECT_EQ(r.at(0x00FD), 6 + 2 + 2); // LABELSST: captions and texts
    EXPECT_EQ(r.at(0x027E), 3); // RK: 7, 45292, 12.34
    EXPECT_EQ(r.at(0x0203), 2); // NUMBER: 1234567.891 and the one without an RK form
}

TEST_F(XlsKitapTest, CellsOfTheLastRowStayEditableAfterBayt)
{
    XlsKitap k;
    k.setSutunlar({ QStringLiteral("A"), QStringLiteral("B") });
    k.satirEkle();
    k.metin(0, QStringLiteral("eski"));
    (void)k.bayt();
    k.metin(0, QStringLiteral("yeni"));
    k.sayi(1, 2.5);
    (void)k.bayt();
    k.satirEkle();
    k.sayi(0, 3);
    const auto r = kayitlar(k.bayt());
    EXPECT_EQ(r.at(0x00FD), 3); // two captions and "yeni", no leftover "eski" cell
    EXPECT_EQ(r.at(0x027E), 2);
    EXPECT_EQ(r.at(0x0208), 3); // one ROW record per row

    const QJsonObject o = oku(kaydet(k));
    EXPECT_EQ(hucre(o, 0, 1, 0)[1].toString(), QStringLiteral("yeni"));
    EXPECT_EQ(hucre(o, 0, 1, 1)[1].toDouble(), 2.5);
    EXPECT_EQ(hucre(o, 0, 2, 0)[1].toDouble(), 3.0);
}

TEST_F(XlsKitapTest, EmptyWorkbookStillHasASheetWithItsCaptions)
{
    XlsKitap k;
    k.setSutunlar({ QStringLiteral("KOD"), QStringLiteral("ADI") });
    const QByteArray b = k.bayt();
    EXPECT_EQ(b.size() % 512, 0);
    EXPECT_GE(b.size(), 512 + 4096); // the stream never drops to the mini stream
    const QJsonObject o = oku(kaydet(k));
    ASSERT_EQ(o[u"sayfalar"].toArray().size(), 1);
    EXPECT_EQ(o[u"sayfalar"][0][u"ad"].toString(), QStringLiteral("Sayfa1"));
    EXPECT_EQ(o[u"sayfalar"][0][u"nrows"].toInt(), 1);
    EXPECT_EQ(hucre(o, 0, 0, 1)[1].toString(), QStringLiteral("ADI"));
}

TEST_F(XlsKitapTest, RowsPastTheLimitContinueOnNewSheetsWithTheCaptions)
{
    XlsKitap k;
    // Longer than a sheet name may be: cut to 31 characters, the suffix kept.
    k.setSayfaAdi(QStringLiteral("Önceki Siparişler: Ocak/Şubat 2024 listesi"));
    k.setSutunlar({ QStringLiteral("NO"), QStringLiteral("AD") });
    constexpr int n = 70000;
    for (int i = 0; i < n; ++i) {
        k.satirEkle();
        k.sayi(0, i);
        k.metin(1, QStringLiteral("satır %1").arg(i));
    }
    EXPECT_EQ(k.satirSayisi(), n);
    EXPECT_EQ(k.sayfaSayisi(), 2);
    constexpr int ilkSayfa = XlsKitap::enFazlaSatir - 1;
    const QJsonObject o = oku(kaydet(k), 2, { ilkSayfa });
    const QJsonArray s = o[u"sayfalar"].toArray();
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[0][u"ad"].toString(), QStringLiteral("Önceki Siparişler_ Ocak_Şubat 2"));
    EXPECT_EQ(s[1][u"ad"].toString(), QStringLiteral("Önceki Siparişler_ Ocak_Şub (2)"));
    EXPECT_EQ(s[0][u"nrows"].toInt(), XlsKitap::enFazlaSatir);
    EXPECT_EQ(s[1][u"nrows"].toInt(), n - ilkSayfa + 1);
    EXPECT_EQ(s[0][u"ek"][QString::number(ilkSayfa)][0][1].toDouble(), ilkSayfa - 1.0);
    EXPECT_EQ(hucre(o, 1, 0, 0)[1].toString(), QStringLiteral("NO"));
    EXPECT_TRUE(hucre(o, 1, 0, 1)[3].toBool());
    EXPECT_EQ(hucre(o, 1, 1, 0)[1].toDouble(), double(ilkSayfa));
    EXPECT_EQ(hucre(o, 1, 1, 1)[1].toString(), QStringLiteral("satır %1").arg(ilkSayfa));
}

TEST_F(XlsKitapTest, LargeSharedStringTableReadsBackExactly)
{
    // Distinct strings of many lengths, 8-bit and UTF-16, so that records fill up
    // at every kind of point: between strings, in a header, inside the characters.
    QStringList metinler;
    for (int i = 0; i < 4000; ++i) {
        const QString parca = (i % 3 == 0) ? kTurkce : QStringLiteral("Filtre-%1 yağ ").arg(i % 7 == 0 ? 0 : i);
        QString m = QString::number(i) + QLatin1Char(' ');
        while (m.size() < (i * 37) % 400)
            m += parca;
        if (i % 5 == 1)
            m = QString::number(i) + QStringLiteral(" düz metin ") + QString((i * 13) % 300, QLatin1Char('x'));
        metinler << m;
    }
    metinler << QString(20000, QChar(0x011F)) // one string over several CONTINUE records
             << QString(40000, QLatin1Char('a')) + QStringLiteral("kesik"); // over the cell limit
    XlsKitap k;
    k.setSutunlar({ QStringLiteral("METIN") });
    for (const QString &m : metinler) {
        k.satirEkle();
        k.metin(0, m);
    }
    const QString yol = kaydet(k);
    const auto r = kayitlar(k.bayt());
    EXPECT_GT(r.at(0x003C), 50); // CONTINUE

    const QJsonObject o = oku(yol, int(metinler.size()) + 1, {}, false);
    const QJsonArray satirlar = o[u"sayfalar"][0][u"hucreler"].toArray();
    ASSERT_EQ(satirlar.size(), metinler.size() + 1);
    int farkli = 0;
    for (qsizetype i = 0; i + 1 < metinler.size(); ++i)
        if (satirlar[i + 1][0][1].toString() != metinler[i] && ++farkli < 5)
            ADD_FAILURE() << "string " << i << " read back differently";
    EXPECT_EQ(farkli, 0);
    EXPECT_EQ(satirlar.last()[0][1].toString(), QString(32767, QLatin1Char('a')));
}

TEST_F(XlsKitapTest, WorkbookPastSevenMegabytesUsesDifatSectors)
{
    XlsKitap k;
    k.setSutunlar({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D") });
    constexpr int n = 110000;
    for (int i = 0; i < n; ++i) {
        k.satirEkle();
        for (int c = 0; c < 4; ++c)
            k.sayi(c, i + c / 7.0 + 0.1); // NUMBER records: 18 bytes each
    }
    const QString yol = kaydet(k);
    QFile f(yol);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bas = f.read(512);
    EXPECT_GT(f.size(), 7'500'000);
    EXPECT_GT(qFromLittleEndian<quint32>(bas.constData() + 0x2C), 109u); // FAT sectors
    EXPECT_GE(qFromLittleEndian<quint32>(bas.constData() + 0x48), 1u); // DIFAT sectors

    const int son = n - (XlsKitap::enFazlaSatir - 1); // data rows on the second sheet
    const QJsonObject o = oku(yol, 2, { son }, false);
    const QJsonArray s = o[u"sayfalar"].toArray();
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[1][u"nrows"].toInt(), son + 1);
    const QJsonArray sonSatir = s[1][u"ek"][QString::number(son)].toArray();
    ASSERT_EQ(sonSatir.size(), 4);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(sonSatir[c][1].toDouble(), (n - 1) + c / 7.0 + 0.1) << c;
}

// A failed save throws a Turkish text naming the file, leaves what was there and
// leaves no temporary file behind.
TEST_F(XlsKitapTest, FailedSaveThrowsAndLeavesTheTargetUntouched)
{
    XlsKitap k;
    k.setSutunlar({ QStringLiteral("A") });
    k.satirEkle();
    k.metin(0, QString(6000, QLatin1Char('x'))); // more than the size limit below

    const QByteArray eski("eski içerik");
    {
        QFile f(dizin.filePath(QStringLiteral("var.xls")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(eski);
    }
    ASSERT_TRUE(QDir(dizin.path()).mkdir(QStringLiteral("klasor.xls")));

    struct Durum
    {
        const char *ad;
        QString yol;
        bool boyutSiniri; // writing beyond a file-size limit stands in for a full disk
    };
    const Durum durumlar[] = {
        { "missing folder", dizin.filePath(QStringLiteral("yok/a.xls")), false },
        { "target is a folder", dizin.filePath(QStringLiteral("klasor.xls")), false },
        { "disk full over an existing file", dizin.filePath(QStringLiteral("var.xls")), true },
    };
    for (const Durum &d : durumlar) {
        SCOPED_TRACE(d.ad);
        QString metin;
        rlimit eskiSinir {};
        if (d.boyutSiniri) {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &eskiSinir);
            rlimit sinir = eskiSinir;
            sinir.rlim_cur = 2048;
            setrlimit(RLIMIT_FSIZE, &sinir);
        }
        try {
            k.kaydet(d.yol);
        } catch (const XlsHatasi &e) {
            metin = QString::fromUtf8(e.what());
        }
        if (d.boyutSiniri)
            setrlimit(RLIMIT_FSIZE, &eskiSinir);
        EXPECT_TRUE(metin.startsWith(QStringLiteral("Dosya yazılamadı: ") + d.yol + QStringLiteral("\r\n")))
            << metin.toStdString();
        EXPECT_GT(metin.size(), d.yol.size() + 20) << "no reason given";
    }
    QFile f(dizin.filePath(QStringLiteral("var.xls")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), eski);
    EXPECT_EQ(QDir(dizin.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList { QStringLiteral("klasor.xls"), QStringLiteral("var.xls") }));
}

TEST_F(XlsKitapTest, SaveIntoReadOnlyFolderFails)
{
    const QString klasor = dizin.filePath(QStringLiteral("salt"));
    ASSERT_TRUE(QDir().mkpath(klasor));
    const QString yol = klasor + QStringLiteral("/rapor.xls");
    {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("eski");
    }
    QFile::setPermissions(klasor, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (::access(klasor.toLocal8Bit().constData(), W_OK) == 0) {
        QFile::setPermissions(klasor, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "this user (root) may write into a read-only folder; the disk-full case covers the failure";
    }
    XlsKitap k;
    k.satirEkle();
    k.sayi(0, 1);
    EXPECT_THROW(k.kaydet(yol), XlsHatasi);
    QFile::setPermissions(klasor, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile f(yol);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("eski"));
}

TEST_F(XlsKitapTest, MisuseIsRejected)
{
    XlsKitap k;
    EXPECT_THROW(k.setSutunlar(QStringList(XlsKitap::enFazlaSutun + 1, QStringLiteral("x"))), std::invalid_argument);
    EXPECT_THROW(k.sayi(0, 1), std::logic_error); // no row yet
    k.setSutunlar(QStringList(XlsKitap::enFazlaSutun, QStringLiteral("x")));
    k.satirEkle();
    EXPECT_THROW(k.sayi(XlsKitap::enFazlaSutun, 1), std::out_of_range);
    EXPECT_THROW(k.sayi(-1, 1), std::out_of_range);
    EXPECT_THROW(k.metin(0, QStringLiteral("a"), 3), std::out_of_range); // no such format
    EXPECT_THROW(k.setSutunlar({ QStringLiteral("geç") }), std::logic_error);
    k.sayi(XlsKitap::enFazlaSutun - 1, 1);
    const QJsonObject o = oku(kaydet(k), 2, {}, false);
    EXPECT_EQ(o[u"sayfalar"][0][u"ncols"].toInt(), XlsKitap::enFazlaSutun);
}

TEST_F(XlsKitapTest, OpensInLibreOffice)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice is not installed (package libreoffice-calc-nogui); conversion not checked";
    XlsKitap k;
    k.setSutunlar({ QStringLiteral("ADI"), QStringLiteral("ADET"), QStringLiteral("TUTAR") });
    const int para = k.bicimEkle({ QStringLiteral("#,###,##0.00") });
    k.satirEkle();
    k.metin(0, kTurkce);
    k.sayi(1, 4217);
    k.sayi(2, 1234.5, para);
    const QString yol = kaydet(k, QStringLiteral("lo.xls"));

    QProcess p;
    p.start(soffice,
            { QStringLiteral("--headless"),
              QStringLiteral("-env:UserInstallation=file://") + dizin.filePath(QStringLiteral("profil")),
              QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"),
              QStringLiteral("--outdir"), dizin.path(), yol });
    ASSERT_TRUE(p.waitForFinished(120000)) << "soffice did not finish";
    QFile csv(dizin.filePath(QStringLiteral("lo.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << p.readAllStandardError().toStdString();
    const QStringList satirlar = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(satirlar.size(), 2);
    EXPECT_EQ(satirlar[0].trimmed(), QStringLiteral("\"ADI\",\"ADET\",\"TUTAR\""));
    EXPECT_EQ(satirlar[1].trimmed(), QLatin1Char('"') + kTurkce + QStringLiteral("\",4217,\"1,234.50\""));
}

} // namespace
