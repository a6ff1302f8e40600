// The add-to-basket dialog: what each opening puts into it, its keys, and the
// picture it asks the web server for each time it becomes active.
#include "app/common/para.h"
#include "app/common/webkoku.h"
#include "catalogue/sepetegiris.h"
#include "catalogue/tstokayarinti.h"
#include "server/resulttable.h"

#include <httplib.h>

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

void sutun(ResultTable &t, const char *ad, ColumnType tur)
{
    ColumnDef def;
    def.name = QString::fromLatin1(ad);
    def.type = tur;
    t.addColumn(def);
}

// One stock row as the stock, new and campaign lists deliver it.
ResultTable stokSatiri(double k)
{
    ResultTable t;
    for (const char *ad : { "BARKOD", "ADI", "MARKA", "FINISHKOD", "MODEL", "INDIRIMYAZI" })
        sutun(t, ad, ColumnType::String);
    for (const char *ad : { "STOK_STOKNO" })
        sutun(t, ad, ColumnType::Int32);
    for (const char *ad : { "KDV", "FIYAT", "IND1", "IND2", "IND3", "IND4", "K" })
        sutun(t, ad, ColumnType::Double);
    t.open();
    const int r = t.appendRow();
    auto yaz = [&](const char *ad, const QVariant &v) { t.setValue(r, t.columnIndex(QString::fromLatin1(ad)), v); };
    yaz("BARKOD", QStringLiteral("FRE-100"));
    yaz("ADI", QStringLiteral("FREN BALATASI ÖN"));
    yaz("MARKA", QStringLiteral("MARKA-A"));
    yaz("FINISHKOD", QStringLiteral("FK-9"));
    yaz("MODEL", QStringLiteral("MODEL-X"));
    yaz("INDIRIMYAZI", QStringLiteral("10+5"));
    yaz("STOK_STOKNO", 77);
    yaz("KDV", 18.0);
    yaz("FIYAT", 100.0);
    yaz("IND1", 10.0);
    yaz("IND2", 5.0);
    yaz("IND3", 0.0);
    yaz("IND4", 0.0);
    yaz("K", k);
    return t;
}

struct EtiketDurumu
{
    const char *ad;
    StokKaynagi kaynak;
    double k;
    const char *fiyatEtiketi;
    const char *indirimEtiketi;
    double fiyat;
    double ind1;
    int stokno;
};

const EtiketDurumu etiketDurumlari[] = {
    { "stock_K0", StokKaynagi::StokListesi, 0, "Fiyat:", "İndirim: %10+5", 100, 10, 77 },
    { "stock_K1", StokKaynagi::StokListesi, 1, "Kampanyalı Fiyat:", "Kampanyalı 10+5", 100, 10, 77 },
    { "stock_Knegative", StokKaynagi::StokListesi, -1, "Fiyat:", "İndirim:", 0, 0, 77 },
    { "new_K0", StokKaynagi::Yeniler, 0, "Fiyat:", "İndirim:  % 10+5", 100, 0, 0 },
    { "new_K2", StokKaynagi::Yeniler, 2, "Kampanyalı Fiyat:", "Kampanyalı 10+5", 100, 0, 0 },
    { "campaign_K0", StokKaynagi::Kampanyali, 0, "Kampanyalı Fiyat:", "Kampanyalı 10+5", 100, 0, 0 },
    { "campaign_K1", StokKaynagi::Kampanyali, 1, "Kampanyalı Fiyat:", "Kampanyalı 10+5", 100, 0, 0 },
};

class Etiketler : public ::testing::TestWithParam<EtiketDurumu>
{
};

TEST_P(Etiketler, ListRowFillsTheDialog)
{
    const EtiketDurumu &e = GetParam();
    const ResultTable t = stokSatiri(e.k);
    Tstokayarinti d;
    ListeSatiriniYukle(d, e.kaynak, t, 0, 3);
    EXPECT_EQ(d.Label2->text(), QString::fromUtf8(e.fiyatEtiketi));
    EXPECT_EQ(d.indirimoran->text(), QString::fromUtf8(e.indirimEtiketi));
    EXPECT_DOUBLE_EQ(d.birimFiyatDegeri(), e.fiyat);
    EXPECT_DOUBLE_EQ(d.ind1, e.ind1);
    EXPECT_DOUBLE_EQ(d.ind2, e.ind1 == 0 ? 0 : 5);
    EXPECT_EQ(d._stokno, e.stokno);
    EXPECT_DOUBLE_EQ(d.kdvoran, 18);
    EXPECT_EQ(d.adet->value(), 1);
    EXPECT_EQ(d.barkod->text(), QStringLiteral("FRE-100"));
    EXPECT_EQ(d.adi->text(), QStringLiteral("FREN BALATASI ÖN"));
    EXPECT_EQ(d.marka->text(), QStringLiteral("MARKA-A"));
    EXPECT_EQ(d.finishkod->text(), QStringLiteral("FK-9"));
    EXPECT_EQ(d.model->text(), QStringLiteral("MODEL-X"));
}

INSTANTIATE_TEST_SUITE_P(KaynakVeK, Etiketler, ::testing::ValuesIn(etiketDurumlari),
                         [](const auto &i) { return std::string(i.param.ad); });

ResultTable sepetSatiri()
{
    ResultTable t;
    for (const char *ad : { "BARKOD", "STOKADI", "MARKA", "FINISHKOD", "MODEL", "INDIRIMYAZI" })
        sutun(t, ad, ColumnType::String);
    for (const char *ad : { "SIRANO", "STOKNO" })
        sutun(t, ad, ColumnType::Int32);
    for (const char *ad :
         { "KDV", "BIRIMFIYAT", "MIKTAR", "INDIRIMORANI1", "INDIRIMORANI2", "INDIRIMORANI3", "INDIRIMORANI4" })
        sutun(t, ad, ColumnType::Double);
    t.open();
    t.appendRow();
    const QList<QPair<const char *, QVariant>> degerler {
        { "BARKOD", QStringLiteral("YAG-7") },
        { "STOKADI", QStringLiteral("YAĞ FİLTRESİ") },
        { "MARKA", QStringLiteral("M") },
        { "FINISHKOD", QStringLiteral("F") },
        { "MODEL", QStringLiteral("X") },
        { "INDIRIMYAZI", QStringLiteral("20+10") },
        { "SIRANO", 5 },
        { "STOKNO", 321 },
        { "KDV", 8.0 },
        { "BIRIMFIYAT", 42.5 },
        { "MIKTAR", 4.0 },
        { "INDIRIMORANI1", 20.0 },
        { "INDIRIMORANI2", 10.0 },
        { "INDIRIMORANI3", 0.0 },
        { "INDIRIMORANI4", 2.0 },
    };
    for (const auto &[ad, v] : degerler)
        t.setValue(0, t.columnIndex(QString::fromLatin1(ad)), v);
    return t;
}

TEST(SepetSatiri, LineFillsTheDialogWithItsQuantityRatesAndStockNumber)
{
    const ResultTable t = sepetSatiri();
    Tstokayarinti d;
    SepetSatiriniYukle(d, t, 0, 3);
    EXPECT_EQ(d.adi->text(), QStringLiteral("YAĞ FİLTRESİ"));
    EXPECT_EQ(d.barkod->text(), QStringLiteral("YAG-7"));
    EXPECT_EQ(d.indirimoran->text(), QStringLiteral("İndirim: %20+10"));
    EXPECT_EQ(d.Label2->text(), QStringLiteral("Fiyat:"));
    EXPECT_EQ(d.adet->value(), 4);
    EXPECT_DOUBLE_EQ(d.birimFiyatDegeri(), 42.5);
    EXPECT_EQ(d._stokno, 321);
    EXPECT_DOUBLE_EQ(d.kdvoran, 8);
    EXPECT_DOUBLE_EQ(d.ind1, 20);
    EXPECT_DOUBLE_EQ(d.ind2, 10);
    EXPECT_DOUBLE_EQ(d.ind3, 0);
    EXPECT_DOUBLE_EQ(d.ind4, 2);
}

// Only representatives (kinds 1 and 2) may type a price, and nobody for a campaign item.
TEST(FiyatDuzenleme, ByUserKindAndSource)
{
    const ResultTable stok = stokSatiri(0);
    const ResultTable sepet = sepetSatiri();
    for (int tip = 1; tip <= 4; ++tip) {
        const bool temsilci = tip <= 2;
        for (StokKaynagi kaynak : { StokKaynagi::StokListesi, StokKaynagi::Yeniler, StokKaynagi::Kampanyali }) {
            Tstokayarinti d;
            ListeSatiriniYukle(d, kaynak, stok, 0, tip);
            const bool beklenen = temsilci && kaynak != StokKaynagi::Kampanyali;
            EXPECT_EQ(!d.birimfiyat->isReadOnly(), beklenen) << "tip " << tip << " kaynak " << int(kaynak);
        }
        Tstokayarinti d;
        SepetSatiriniYukle(d, sepet, 0, tip);
        EXPECT_EQ(!d.birimfiyat->isReadOnly(), temsilci) << "sepet, tip " << tip;
        for (QLineEdit *e : { d.indtutar, d.kdvdahiltutar, d.geneltutar })
            EXPECT_TRUE(e->isReadOnly()) << e->objectName().toStdString();
    }
}

TEST(Tuslar, EnterInQuantityConfirmsEnterInPriceDoesNothing)
{
    Tstokayarinti d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Sepete Ekle"));
    EXPECT_EQ(d.ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
    EXPECT_EQ(d.ParcaliTus2->text(), QStringLiteral("Vazgeç"));
    d.setFiyatDuzenlenir(true);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    EXPECT_TRUE(d.adet->hasFocus());

    d.birimfiyat->setFocus();
    QTest::keyClick(d.birimfiyat, Qt::Key_Return);
    QTest::keyClick(d.birimfiyat, Qt::Key_Enter);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.result(), 0);

    d.adet->setFocus();
    QTest::keyClick(d.adet, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), int(QDialog::Accepted));
}

TEST(Tuslar, ButtonsGiveOkAndCancel)
{
    for (bool tamam : { true, false }) {
        Tstokayarinti d;
        QTimer::singleShot(0, &d, [&] { (tamam ? d.ParcaliTus1 : d.ParcaliTus2)->click(); });
        EXPECT_EQ(d.exec(), tamam ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
}

// A small web server standing in for the picture page.
class ResimSunucusu
{
public:
    ResimSunucusu()
    {
        m_sunucu.set_keep_alive_timeout(1);
        m_sunucu.Get("/resimgoster.ashx", [this](const httplib::Request &q, httplib::Response &y) {
            ++istek;
            const std::string id = q.get_param_value("id");
            if (id == "3")
                std::this_thread::sleep_for(std::chrono::milliseconds(700));
            const QByteArray &govde = id == "2" ? kisa : buyuk;
            y.set_content(govde.toStdString(), "image/jpeg");
            ++cevap;
        });
        m_port = m_sunucu.bind_to_any_port("127.0.0.1");
        m_is = std::thread([this] { m_sunucu.listen_after_bind(); });
        while (!m_sunucu.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        setWebKoku(QStringLiteral("http://127.0.0.1:%1/").arg(m_port));
    }
    ~ResimSunucusu()
    {
        setWebKoku({});
        m_sunucu.stop();
        m_is.join();
    }

    static QByteArray jpeg(int kenar, bool gurultu)
    {
        QImage i(kenar, kenar, QImage::Format_RGB32);
        auto *r = QRandomGenerator::global();
        for (int y = 0; y < kenar; ++y)
            for (int x = 0; x < kenar; ++x)
                i.setPixelColor(
                    x, y, gurultu ? QColor(200 + r->bounded(56), r->bounded(40), r->bounded(40)) : QColor(230, 10, 10));
        QByteArray b;
        QBuffer buf(&b);
        buf.open(QIODevice::WriteOnly);
        i.save(&buf, "JPEG", 95);
        return b;
    }

    QByteArray buyuk = jpeg(64, true);
    QByteArray kisa = jpeg(8, false);
    std::atomic<int> istek { 0 };
    std::atomic<int> cevap { 0 };

private:
    httplib::Server m_sunucu;
    int m_port = 0;
    std::thread m_is;
};

bool kirmiziMi(const QLabel *l)
{
    const QImage i = l->pixmap().toImage();
    const QColor c = i.pixelColor(i.width() / 2, i.height() / 2);
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

bool yerTutucuMu(const QLabel *l)
{
    return l->pixmap().toImage() == StokResmiYeriTutucu(l->size()).toImage();
}

TEST(WebResmi, AppliedWhenLongEnoughIgnoredWhenShortOrClosed)
{
    ResimSunucusu s;
    ASSERT_GE(s.buyuk.size(), Tstokayarinti::resimEnAzBoy);
    // The short body is a valid picture: only its length keeps it out.
    ASSERT_LT(s.kisa.size(), Tstokayarinti::resimEnAzBoy);
    ASSERT_FALSE(QImage::fromData(s.kisa).isNull());

    {
        Tstokayarinti d;
        d._stokno = 1;
        EXPECT_TRUE(yerTutucuMu(d.Image1));
        d.show();
        d.activateWindow();
        QTRY_VERIFY(kirmiziMi(d.Image1));
    }
    {
        Tstokayarinti d;
        d._stokno = 2;
        d.show();
        d.activateWindow();
        QTRY_COMPARE(s.cevap.load(), 2);
        QTest::qWait(300);
        EXPECT_TRUE(yerTutucuMu(d.Image1));
    }
    {
        Tstokayarinti d;
        d._stokno = 3;
        d.show();
        d.activateWindow();
        QTRY_COMPARE(s.istek.load(), 3);
        d.reject(); // closed while the answer is on its way; the opener still holds the dialog
        QTRY_COMPARE(s.cevap.load(), 3);
        QTest::qWait(300);
        EXPECT_TRUE(yerTutucuMu(d.Image1));
    }
}

TEST(WebResmi, EachActivationAsksAgainForTheStockNumber)
{
    ResimSunucusu s;
    QWidget baska;
    Tstokayarinti d;
    d._stokno = 2;
    d.show();
    d.activateWindow();
    QTRY_COMPARE(s.istek.load(), 1);
    baska.show();
    baska.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&baska));
    d.activateWindow();
    QTRY_COMPARE(s.istek.load(), 2);
}

} // namespace
