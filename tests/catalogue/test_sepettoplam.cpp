// The totals of the ticked basket lines, and the order confirmation summary.
#include "catalogue/sepetsayfasi.h"
#include "catalogue/siparisgonder.h"
#include "server/connection.h"
#include "server/records/baglantiu.h"
#include "server/resulttable.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// A column of the given name and type, the rest of its definition left at the defaults.
ColumnDef sutunTanimi(const QString &ad, ColumnType tur)
{
    ColumnDef c;
    c.name = ad;
    c.type = tur;
    return c;
}

struct Satir
{
    std::optional<int> sec; // nullopt: an empty cell
    double tutar, indirim, vergi;
};

ResultTable sepet(const std::vector<Satir> &satirlar)
{
    ResultTable t;
    t.addColumn(sutunTanimi(QStringLiteral("SEC"), ColumnType::Int32));
    t.addColumn(sutunTanimi(QStringLiteral("TUTAR"), ColumnType::Double));
    t.addColumn(sutunTanimi(QStringLiteral("INDIRIMTUTAR"), ColumnType::Double));
    t.addColumn(sutunTanimi(QStringLiteral("VERGITUTARI"), ColumnType::Double));
    t.open();
    for (const Satir &s : satirlar) {
        const int r = t.appendRow();
        if (s.sec)
            t.setInt(r, 0, *s.sec);
        t.setDouble(r, 1, s.tutar);
        t.setDouble(r, 2, s.indirim);
        t.setDouble(r, 3, s.vergi);
    }
    return t;
}

struct Durum
{
    const char *ad;
    std::vector<Satir> satirlar;
    SepetToplamlari beklenen;
};

TEST(SepetToplami, OnlyTickedLinesAddUpRoundedAtEachStep)
{
    const Durum durumlar[] = {
        { "one ticked line", { { 1, 100, 10, 16.2 } }, { 100, 10, 90, 16.2, 106.2 } },
        { "nothing ticked", { { 0, 100, 10, 16.2 }, { 0, 5, 1, 2 } }, { 0, 0, 0, 0, 0 } },
        { "unticked and empty ticks are skipped",
          { { 0, 999, 9, 9 }, { 1, 50.5, 0.5, 9 }, { std::nullopt, 7, 7, 7 }, { 2, 3, 3, 3 } },
          { 50.5, 0.5, 50, 9, 59 } },
        // Each addition is rounded on the stored double: 0.125 -> 0.13, 0.13 + 0.125 -> 0.26
        // (0.25 when rounded once at the end); 0.005 -> 0.01, 0.01 + 0.005 (just below 0.015) -> 0.01.
        { "rounded at each step", { { 1, 0.125, 0, 0.005 }, { 1, 0.125, 0, 0.005 } }, { 0.26, 0, 0.26, 0.01, 0.27 } },
        // 1.005 is stored just below itself.
        { "stored value decides the half", { { 1, 1.005, 0, 0 } }, { 1.0, 0, 1.0, 0, 1.0 } },
        { "several lines", { { 1, 300, 43.5, 46.17 }, { 1, 100, 10, 16.2 } }, { 400, 53.5, 346.5, 62.37, 408.87 } },
    };
    for (const Durum &d : durumlar) {
        const SepetToplamlari t = SepetToplamiHesapla(sepet(d.satirlar));
        EXPECT_DOUBLE_EQ(t.toplam, d.beklenen.toplam) << d.ad;
        EXPECT_DOUBLE_EQ(t.indirim, d.beklenen.indirim) << d.ad;
        EXPECT_DOUBLE_EQ(t.araToplam, d.beklenen.araToplam) << d.ad;
        EXPECT_DOUBLE_EQ(t.vergi, d.beklenen.vergi) << d.ad;
        EXPECT_DOUBLE_EQ(t.genelToplam, d.beklenen.genelToplam) << d.ad;
    }
}

TEST(SepetToplami, ClosedTableOrNoTickColumnGivesZeros)
{
    ResultTable kapali;
    EXPECT_DOUBLE_EQ(SepetToplamiHesapla(kapali).genelToplam, 0);
    ResultTable secsiz;
    secsiz.addColumn(sutunTanimi(QStringLiteral("TUTAR"), ColumnType::Double));
    secsiz.open();
    secsiz.setDouble(secsiz.appendRow(), 0, 10);
    EXPECT_DOUBLE_EQ(SepetToplamiHesapla(secsiz).toplam, 0);
}

TEST(SepetToplami, LinesOfOneOrLessAreHiddenAndValuesShowTwoDecimals)
{
    const struct
    {
        double indirim, vergi;
        bool indirimGorunur, vergiGorunur;
        const char *genel;
    } durumlar[] = { { 1.00, 1.00, false, false, "100.00" },
                     { 1.01, 1.01, true, true, "100.00" },
                     { 0, 16.2, false, true, "116.20" },
                     { 10, 0.5, true, false, "90.50" } };
    for (const auto &d : durumlar) {
        Connection bagc;
        TSonucBilgisi sbilgi;
        ResultTable tablo = sepet({ { 1, 100, d.indirim, d.vergi } });
        QTabWidget sekmeler;
        auto *sayfa = new QWidget;
        sekmeler.addTab(sayfa, QStringLiteral("Sepet"));
        QLineEdit ara;
        SepetSayfasi s(bagc, sbilgi, tablo, { &ara, &sekmeler, sayfa });
        s.ToplamlariGoster();
        EXPECT_EQ(s.indiriml->isVisibleTo(sayfa), d.indirimGorunur) << d.indirim;
        EXPECT_EQ(s.Label4->isVisibleTo(sayfa), d.indirimGorunur) << d.indirim;
        EXPECT_EQ(s.vergil->isVisibleTo(sayfa), d.vergiGorunur) << d.vergi;
        EXPECT_EQ(s.Label6->isVisibleTo(sayfa), d.vergiGorunur) << d.vergi;
        EXPECT_EQ(s.aratoplaml->text(), "100.00");
        EXPECT_EQ(s.geneltoplaml->text(), d.genel);
    }
}

TEST(SiparisOzeti, SevenLinesWithPrefixesOfElevenCharacters)
{
    const QString ozet
        = SiparisOzeti(QStringLiteral("BAYI3"), QStringLiteral("ÖRNEK OTO"), QStringLiteral("Kargo ile Gönderilsin"),
                       QStringLiteral("Alıcı Ödemeli"), QStringLiteral("1.234,50"), QStringLiteral("Yurtiçi"),
                       QStringLiteral("satır 1\r\nsatır 2"));
    EXPECT_EQ(ozet,
              QStringLiteral("Kullanıcı: BAYI3\r\nCari     : ÖRNEK OTO\r\nTeslim   : Kargo ile Gönderilsin\r\n"
                             "Kargo    : Alıcı Ödemeli\r\nTutar    : 1.234,50\r\nKargo    : Yurtiçi\r\n"
                             "Açıklama : satır 1\r\nsatır 2"));
}

} // namespace
