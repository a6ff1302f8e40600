// Money rounding, search folding and the JSON text writer.
#include "appserver/jsonout.h"
#include "appserver/turkcekatla.h"
#include "appserver/tutar.h"

#include <boost/json.hpp>
#include <gtest/gtest.h>

using namespace appserver;

TEST(Tutar, TwoDecimalsHalvesAwayFromZero)
{
    const std::pair<double, double> durumlar[] = {
        { 0.125, 0.13 },    { -0.125, -0.13 },          { 256.5, 256.5 }, { 1.005, 1.01 },
        { 2.675, 2.68 },    { 46.17, 46.17 },           { 0.004, 0 },     { 85.49999999999999, 85.5 },
        { 100.89, 100.89 }, { 1234567.895, 1234567.9 },
    };
    for (const auto &[x, beklenen] : durumlar)
        EXPECT_EQ(ikiHane(x), beklenen) << x;
}

TEST(Tutar, RatesCompoundAndSkipZeroOrNegative)
{
    EXPECT_EQ(indirimli(300, { 10, 5, 0, 0 }), 256.5);
    EXPECT_EQ(indirimli(300, { 10, 0, 5, 0 }), indirimli(300, { 10, 5, 0, 0 }));
    EXPECT_EQ(indirimli(300, { -10, 0, 0, 0 }), 300);
    EXPECT_EQ(indirimYazisi({ 10, 0, 5, 0 }), "10+5");
    EXPECT_EQ(indirimYazisi({ 12.5, 0, 0, 0 }), "12,5");
    EXPECT_EQ(indirimYazisi({ 0, -3, 0, 0 }), "");
}

TEST(Tutar, LineAmountsRoundAtTheSamePointsAsThePreview)
{
    struct Durum
    {
        double fiyat, miktar;
        Oranlar oranlar;
        double kdv;
        double tutar, indirim, net, netBirim, vergi;
    };
    const Durum durumlar[] = {
        { 100, 3, { 10, 5, 0, 0 }, 18, 300, 43.5, 256.5, 85.5, 46.17 },
        { 100, 3, { 10, 0, 5, 0 }, 18, 300, 43.5, 256.5, 85.5, 46.17 }, // a zero between rates
        { 100, 3, { -10, 0, 0, 0 }, 18, 300, 0, 300, 100, 54 }, // a negative rate is skipped
        { 0.125, 1, {}, 0, 0.13, 0, 0.13, 0.13, 0 },
        { 10.01, 7, { 12.5, 0, 0, 0 }, 18, 70.07, 8.76, 61.31, 8.76, 11.04 }, // net 61.31125
        { 33.33, 3, { 10, 10, 10, 10 }, 8, 99.99, 34.39, 65.6, 21.87, 5.25 }, // net unit 21.8666…
        { 0.01, 3, { 50, 0, 0, 0 }, 18, 0.03, 0.01, 0.02, 0.01, 0 }, // net 0.015 rounds up
    };
    for (const Durum &d : durumlar) {
        SCOPED_TRACE(testing::Message() << d.fiyat << " x " << d.miktar << ", VAT " << d.kdv);
        const SatirTutari t = satirHesapla(d.fiyat, d.miktar, d.oranlar, d.kdv);
        EXPECT_EQ(t.tutar, d.tutar);
        EXPECT_EQ(t.indirimTutar, d.indirim);
        EXPECT_EQ(t.netTutar, d.net);
        EXPECT_EQ(t.netBirimFiyat, d.netBirim);
        EXPECT_EQ(t.vergiTutari, d.vergi);
    }
}

TEST(Tutar, CustomerPriceOfAnItem)
{
    const Oranlar grup { 20, 5, 0, 0 };
    const KalemFiyati liste = kalemFiyati(false, 100, 0, grup);
    EXPECT_EQ(liste.fiyat, 100);
    EXPECT_EQ(liste.oranlar, grup);
    const KalemFiyati kampanya = kalemFiyati(true, 100, 80, grup);
    EXPECT_EQ(kampanya.fiyat, 80);
    EXPECT_EQ(kampanya.oranlar, Oranlar {});
    EXPECT_EQ(kalemFiyati(true, 100, 0, grup).fiyat, 100); // a campaign without its price sells at list price
}

TEST(Tutar, TurkishMoneyText)
{
    const std::pair<double, const char *> durumlar[] = {
        { 12345.67, "12.345,67" },       { 0.5, "0,50" },   { 1000, "1.000,00" },
        { 999.995, "1.000,00" },         { 100, "100,00" }, { -5.1, "-5,10" },
        { 1234567.891, "1.234.567,89" }, { 0, "0,00" },
    };
    for (const auto &[x, beklenen] : durumlar)
        EXPECT_EQ(tlBicimle(x), beklenen) << x;
}

TEST(Katla, TurkishLettersMeetTheirPlainForms)
{
    const std::pair<const char *, const char *> durumlar[] = {
        { "yağ filtresi", "YAG FILTRESI" }, { "ŞAFT İĞNE ışık", "SAFT IGNE ISIK" },
        { "çözüm ÖÜÇ", "COZUM OUC" },       { "FREN \"BAL", "FREN \"BAL" },
        { "abc-123", "ABC-123" },           { "€ ñ", "€ ñ" },
    };
    for (const auto &[girdi, beklenen] : durumlar)
        EXPECT_EQ(katla(girdi), beklenen) << girdi;
    EXPECT_EQ(kirp("  \t FRE \r\n"), "FRE");
    EXPECT_EQ(kirp("   "), "");
    EXPECT_EQ(karakterSayisi("ĞÜŞ"), 3u);
}

TEST(JsonOut, StringsAlwaysParseBack)
{
    const std::pair<std::string, std::string> durumlar[] = {
        { "FREN BALATASI ÖN", "FREN BALATASI ÖN" },
        { "a\"b\\c\r\n\t\x01", "a\"b\\c\r\n\t\x01" },
        { std::string("AS\xC4-1"), "AS\xEF\xBF\xBD-1" }, // a cut letter becomes U+FFFD
        { std::string("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" }, // no surrogates in UTF-8
    };
    for (const auto &[girdi, beklenen] : durumlar) {
        const std::string j = jsonout::quoted(girdi);
        boost::json::error_code ec;
        const boost::json::value v = boost::json::parse(j, ec);
        ASSERT_FALSE(ec) << j;
        EXPECT_EQ(v.as_string(), beklenen);
    }
    std::string n;
    jsonout::number(n, 0.1);
    n.push_back(',');
    jsonout::number(n, 18);
    n.push_back(',');
    jsonout::number(n, std::nan(""));
    EXPECT_EQ(n, "0.1,18,null");
}
