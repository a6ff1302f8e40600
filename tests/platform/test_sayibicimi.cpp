// Number display formats and the rounding they imply.
#include "platform/sayibicimi.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

namespace {

const QLocale en(QLocale::English, QLocale::UnitedStates);
const QLocale tr(QLocale::Turkish, QLocale::Turkey);

struct Durum
{
    const char16_t *bicim;
    bool turkce;
    double deger;
    const char *beklenen;
};

const Durum durumlar[] = {
    // the three money formats
    { u"#,###,##0.00", false, 0, "0.00" },
    { u"#,###,##0.00", false, 1234567.891, "1,234,567.89" },
    { u"#,###,##0.00", true, 1234567.891, "1.234.567,89" },
    { u"#,###,##.00", false, 0.5, ".50" },
    { u"#,###,##.00", false, 0, ".00" },
    { u"#,###,##.00", false, -0.5, "-.50" },
    { u"#,###,##.00", false, 1234.5, "1,234.50" },
    { u"#,###,##00.00", false, 5, "05.00" },
    { u"#,###,##00.00", true, 5, "05,00" },
    { u"#,###,##00.00", false, 123, "123.00" },
    { u"#,###,##00.00", false, 0, "00.00" },
    // halves away from zero, on the stored value
    { u"#,###,##0.00", false, 0.125, "0.13" },
    { u"#,###,##0.00", false, -0.125, "-0.13" },
    { u"#,###,##0.00", false, 1.005, "1.00" },
    { u"#,###,##0.00", false, 2.675, "2.67" },
    { u"#,###,##0.00", false, 0.875, "0.88" },
    { u"#,###,##0.00", false, 9.995, "9.99" },
    { u"#,###,##0.00", false, -0.005, "-0.01" },
    { u"#,###,##0.00", false, 999.995, "1,000.00" },
    { u"#,###,##0.00", false, 99.875, "99.88" },
    { u"#,###,##0.00", false, 9.999, "10.00" },
    // no minus sign on zero
    { u"#,###,##0.00", false, -0.0, "0.00" },
    { u"#,###,##0.00", false, -0.004, "0.00" },
    { u"#,###,##.00", false, -0.001, ".00" },
    // grouping boundaries, negatives, large numbers
    { u"#,###,##0.00", false, 100, "100.00" },
    { u"#,###,##0.00", false, 999.99, "999.99" },
    { u"#,###,##0.00", false, 1000, "1,000.00" },
    { u"#,###,##0.00", false, 123456, "123,456.00" },
    { u"#,###,##0.00", false, -1234.5, "-1,234.50" },
    { u"#,###,##0.00", true, -1234567.5, "-1.234.567,50" },
    { u"#,###,##0.00", false, 123456789012.345, "123,456,789,012.35" },
    { u"#,###,##0.00", false, 1e15, "1,000,000,000,000,000.00" },
    { u"#,###,##0.00", false, 1e15 + 0.125, "1,000,000,000,000,000.13" },
    // other shapes the engine accepts
    { u"0", false, 2.5, "3" },
    { u"0", false, -2.5, "-3" },
    { u"#,##0", false, 1234.4, "1,234" },
    { u"0.0", false, 0.25, "0.3" },
    { u"000", false, 7, "007" },
    { u"#", false, 0, "" },
    // not numbers: nothing shown
    { u"#,###,##0.00", false, std::numeric_limits<double>::quiet_NaN(), "" },
    { u"#,###,##0.00", false, std::numeric_limits<double>::infinity(), "" },
    { u"#,###,##0.00", false, -std::numeric_limits<double>::infinity(), "" },
};

} // namespace

TEST(SayiBicimi, FormatsAndRounds)
{
    for (const Durum &d : durumlar) {
        const SayiBicimi b(d.bicim, d.turkce ? tr : en);
        EXPECT_EQ(b.bicimle(d.deger).toStdString(), d.beklenen)
            << QString::fromUtf16(d.bicim).toStdString() << " " << d.deger << (d.turkce ? " tr" : " en");
    }
}

TEST(SayiBicimi, HugeValuesFitTheBuffer)
{
    const SayiBicimi b(u"#,###,##0.00", en);
    const QString s = b.bicimle(-std::numeric_limits<double>::max());
    EXPECT_TRUE(s.startsWith(u"-179,769,313,486,231,570,")) << s.toStdString();
    EXPECT_TRUE(s.endsWith(u",858,368.00"));
    EXPECT_EQ(s.size(), 1 + 309 + 102 + 3);
}

TEST(SayiBicimi, DefaultLocaleAndOneOffForm)
{
    const QLocale eski;
    QLocale::setDefault(tr);
    EXPECT_EQ(SayiBicimi(u"#,###,##0.00").bicimle(1234.5), u"1.234,50");
    EXPECT_EQ(sayiBicimle(u"#,###,##00.00", 5), u"05,00");
    QLocale::setDefault(eski);
}

TEST(SayiBicimi, RejectsPatternsOutsideTheForm)
{
    for (const char16_t *p : { u"", u",", u"#.#", u"0.00a", u"$0.00", u"0..0", u"0.0000000000000000" }) {
        EXPECT_FALSE(SayiBicimi::gecerliMi(p)) << QString::fromUtf16(p).toStdString();
        EXPECT_THROW(SayiBicimi { p }, std::invalid_argument);
    }
    for (const char16_t *p : { u"#,###,##0.00", u"#,###,##.00", u"#,###,##00.00", u".00", u"0" })
        EXPECT_TRUE(SayiBicimi::gecerliMi(p));
}

// An independent oracle: to_chars with enough decimals prints the exact value of
// a double (every double above 2^-60 has at most 112 decimals); cut it after two
// decimals and round up when the next digit is 5 or more.
std::string tamAcilimdanIkiHane(double x)
{
    char tampon[512];
    const char *e = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x), std::chars_format::fixed, 120).ptr;
    std::string s(static_cast<const char *>(tampon), e);
    const size_t nokta = s.find('.');
    const bool yukari = s[nokta + 3] >= '5';
    s.resize(nokta + 3);
    for (size_t i = s.size(); yukari && i-- > 0;) {
        if (s[i] == '.')
            continue;
        if (s[i] != '9') {
            ++s[i];
            break;
        }
        s[i] = '0';
        if (i == 0)
            s.insert(s.begin(), '1');
    }
    if (x < 0 && s.find_first_not_of("0.") != std::string::npos)
        s.insert(s.begin(), '-');
    return s;
}

// Formatting and the fast rounding against the oracle, over every magnitude and
// many ties (x·8 odd), including the range where x·100 is past 2^52.
TEST(SayiBicimi, RoundingMatchesTheExactDecimalExpansion)
{
    const SayiBicimi b(u"0.00", QLocale::c());
    std::mt19937_64 g(20240601);
    std::uniform_real_distribution<double> us(-16, 16);
    int yanlis = 0;
    std::string ilkYanlis;
    auto kontrol = [&](double x) {
        const std::string beklenen = tamAcilimdanIkiHane(x);
        double geri = 0;
        std::from_chars(beklenen.data(), beklenen.data() + beklenen.size(), geri);
        const std::string metin = b.bicimle(x).toStdString();
        if ((metin != beklenen || ondalikYuvarla(x, 2) != geri) && yanlis++ == 0)
            ilkYanlis = std::to_string(x) + ": " + metin + " / " + beklenen;
    };
    for (int i = 0; i < 40000; ++i) {
        const double x = std::pow(10.0, us(g)) * (i % 2 ? -1 : 1);
        kontrol(x);
        kontrol(std::round(x * 8) / 8); // a tie whenever odd
        kontrol(std::round(x * 1000) / 1000);
    }
    kontrol(70368744177664.125); // 2^46 + 1/8
    EXPECT_EQ(yanlis, 0) << ilkYanlis;
    EXPECT_EQ(ondalikYuvarla(70368744177664.125, 2), 70368744177664.13);
}

TEST(SayiBicimi, RoundingEdgeValues)
{
    EXPECT_EQ(ondalikYuvarla(0.125, 2), 0.13);
    EXPECT_EQ(ondalikYuvarla(-0.125, 2), -0.13);
    EXPECT_EQ(ondalikYuvarla(1.005, 2), 1.0);
    EXPECT_EQ(ondalikYuvarla(2.5, 0), 3.0);
    EXPECT_FALSE(std::signbit(ondalikYuvarla(-0.001, 2)));
    EXPECT_TRUE(std::isnan(ondalikYuvarla(std::nan(""), 2)));
    EXPECT_EQ(ondalikYuvarla(1e300, 2), 1e300);
}
