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

    const SatirTutari t = satirHesapla(100, 3, { 10, 5, 0, 0 }, 18);
    EXPECT_EQ(t.tutar, 300);
    EXPECT_EQ(t.netTutar, 256.5);
    EXPECT_EQ(t.indirimTutar, 43.5);
    EXPECT_EQ(t.vergiTutari, 46.17);
    EXPECT_EQ(t.netBirimFiyat, 85.5);
    const SatirTutari kucuk = satirHesapla(0.125, 1, {}, 0);
    EXPECT_EQ(kucuk.netTutar, 0.13);
    EXPECT_EQ(kucuk.indirimTutar, 0);
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
