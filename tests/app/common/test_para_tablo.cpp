// Money rounding and formats, the money format pass and the row checks.
#include "app/common/para.h"
#include "app/common/tablo.h"
#include "platform/sayibicimi.h"
#include "server/resulttable.h"

#include <QLocale>

#include <boost/json.hpp>
#include <gtest/gtest.h>

#include <charconv>
#include <random>

namespace {

class Yerel
{
public:
    explicit Yerel(const QLocale &l) { QLocale::setDefault(l); }
    ~Yerel() { QLocale::setDefault(m_eski); }

private:
    QLocale m_eski;
};

const QLocale en(QLocale::English, QLocale::UnitedStates);

ResultTable paket(std::string_view metin)
{
    return decodeTable(boost::json::parse(metin));
}

// The rounding as the format defines it: YuvarlamaBicimi, separators dropped, read back.
double bicimdenYuvarla(double x)
{
    QString s = SayiBicimi(YuvarlamaBicimi, en).bicimle(x);
    s.remove(u',');
    const std::string t = s.toStdString();
    double v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

} // namespace

TEST(Para, IkiHaneYuvarlaCases)
{
    const std::pair<double, double> durumlar[] = {
        { 0.125, 0.13 },     { 1.005, 1.00 }, { -0.125, -0.13 }, { 256.5, 256.50 },   { 2.675, 2.67 },
        { 0.005, 0.01 },     { -0.004, 0.0 }, { 85.499, 85.50 }, { 999.995, 1000.0 }, { 1234567.891, 1234567.89 },
        { 100.885, 100.89 }, { 0.0, 0.0 },    { -0.0, 0.0 },     { 1e16, 1e16 },      { 302.67, 302.67 },
    };
    for (const auto &[x, beklenen] : durumlar)
        EXPECT_EQ(IkiHaneYuvarla(x), beklenen) << x;
}

TEST(Para, IkiHaneYuvarlaEqualsFormattingAndReadingBack)
{
    std::mt19937_64 g(7);
    std::uniform_int_distribution<int64_t> binde(-100000000, 100000000);
    int yanlis = 0;
    for (int i = 0; i < 100000; ++i) {
        const double x = double(binde(g)) / 1000.0; // many x.xx5 values
        const double y = double(binde(g)) / 8.0; // every one a tie or exact
        yanlis += IkiHaneYuvarla(x) != bicimdenYuvarla(x);
        yanlis += IkiHaneYuvarla(y) != bicimdenYuvarla(y);
    }
    EXPECT_EQ(yanlis, 0);
}

// The add-to-basket preview: 100.00 × 3, rates 10 and 5, VAT 18.
TEST(Para, WorkedExampleOfThePricePreview)
{
    const Yerel y(en);
    const double P = 100.00, V = 18;
    const int Q = 3;
    const double G = P * Q;
    double N = G;
    for (double r : { 10.0, 5.0, 0.0, 0.0 })
        if (r > 0)
            N = N - N * r / 100;
    const double indirim = G - N;
    const double A = IkiHaneYuvarla(N);
    const double U = IkiHaneYuvarla(A / Q);
    const double kdvDahil = IkiHaneYuvarla(U * (1 + V / 100));
    const double toplam = IkiHaneYuvarla(kdvDahil * Q);
    EXPECT_EQ(ParaBicimle(indirim), u"43.50");
    EXPECT_EQ(ParaBicimle(A), u"256.50");
    EXPECT_EQ(ParaBicimle(U), u"85.50");
    EXPECT_EQ(ParaBicimle(kdvDahil), u"100.89");
    EXPECT_EQ(ParaBicimle(toplam), u"302.67");
    EXPECT_EQ(toplam, 302.67);
}

TEST(Para, FormatsFollowTheDefaultLocale)
{
    {
        const Yerel y(en);
        EXPECT_EQ(ParaBicimle(1234567.891), u"1,234,567.89");
        EXPECT_EQ(ParaBicimle(0), u"0.00");
        EXPECT_EQ(ParaBicimleIkiBasamak(5), u"05.00");
    }
    const Yerel y(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(ParaBicimle(1234567.891), u"1.234.567,89");
    EXPECT_EQ(ParaBicimleIkiBasamak(5), u"05,00");
    EXPECT_EQ(ParaBicimle(std::numeric_limits<double>::quiet_NaN()), u"");
}

TEST(Tablo, OndalikBicimleTouchesOnlyDoubleColumns)
{
    const Yerel y(en);
    ResultTable t = paket(R"({"columns":[
        {"name":"FIYAT","type":"double"},{"name":"STOKNO","type":"int32"},{"name":"ADET","type":"int64"},
        {"name":"ADI","type":"string","size":20},{"name":"TARIH","type":"date"},{"name":"SAAT","type":"datetime"},
        {"name":"BAKIYE","type":"currency"},{"name":"TUTAR","type":"bcd","precision":18,"scale":4},
        {"name":"KDVDAHIL","type":"double"}],
      "rows":[[1234567.891, 1234567, 7, "A", 45000, 45000.5, 1234.5, 1234.5, 0]]})");
    OndalikBicimle(t);
    for (int c = 0; c < t.columnCount(); ++c) {
        const bool cift = t.column(c).type == ColumnType::Double;
        EXPECT_EQ(t.column(c).displayFormat, cift ? QStringLiteral("#,###,##0.00") : QString()) << c;
    }
    EXPECT_EQ(t.displayText(0, 0), u"1,234,567.89");
    EXPECT_EQ(t.displayText(0, 8), u"0.00");
    EXPECT_EQ(t.displayText(0, 1), u"1234567"); // an int32 column is shown unformatted
    EXPECT_EQ(t.displayText(0, 6), u"1234.5");
}

TEST(Tablo, DoluMuAndSecimVarMi)
{
    const char *sec = R"({"columns":[{"name":"SIRANO","type":"int32"},{"name":"SEC","type":"int32"}],"rows":)";
    ResultTable bos = paket(std::string(sec) + "[]}");
    EXPECT_FALSE(DoluMu(bos));
    EXPECT_FALSE(SecimVarMi(bos));

    ResultTable sifir = paket(std::string(sec) + "[[1,0],[2,0],[3,null]]}");
    EXPECT_TRUE(DoluMu(sifir));
    EXPECT_FALSE(SecimVarMi(sifir));
    EXPECT_TRUE(sifir.eof()); // the walk ran past the last row

    ResultTable secili = paket(std::string(sec) + "[[1,0],[2,1],[3,1]]}");
    secili.setCursor(2);
    EXPECT_TRUE(SecimVarMi(secili));
    EXPECT_EQ(secili.cursor(), 1); // left at the first ticked row
    EXPECT_FALSE(secili.eof());

    secili.close();
    EXPECT_FALSE(DoluMu(secili));
    EXPECT_FALSE(SecimVarMi(secili));

    ResultTable secsiz = paket(R"({"columns":[{"name":"SIRANO","type":"int32"}],"rows":[[1]]})");
    EXPECT_TRUE(DoluMu(secsiz));
    EXPECT_FALSE(SecimVarMi(secsiz));
}
