#include "platform/sayibicimi.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int enFazlaOndalik = 15;
constexpr int enFazlaTamsayi = 64;

constexpr double onunKuvveti[] = { 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };

// |a| lies exactly halfway between two multiples of 10^-d only when a·2^(d+1)
// is an odd integer: a tie has d+1 decimals, the last a 5, and a double is dyadic.
bool yarimMi(double a, int d)
{
    const double t = std::ldexp(a, d + 1);
    return std::isfinite(t) && t == std::floor(t) && std::fmod(t, 2.0) == 1.0;
}

struct Rakamlar
{
    const char *bas;
    const char *son;
};

// a·10^d rounded half away from zero, exactly, while a·10^d < 2^52: there the
// fraction of the rounded product p is exact and 0.5 is a multiple of p's ulp,
// so only an exact 0.5 needs the product's rounding error to decide.
bool olcekliYuvarla(double a, int d, double *n)
{
    const double olcek = onunKuvveti[d];
    const double p = a * olcek;
    if (!(p < 0x1p52))
        return false;
    const double hata = std::fma(a, olcek, -p); // a·olcek = p + hata exactly
    double m = std::floor(p);
    const double kesir = p - m;
    if (kesir > 0.5 || (kesir == 0.5 && hata >= 0))
        m += 1;
    *n = m;
    return true;
}

// The fixed form of a >= 0 with d decimals ("1234.57"), halves away from zero.
Rakamlar rakamlar(double a, int d, char *ilk, char *sonSinir)
{
    double n;
    if (olcekliYuvarla(a, d, &n)) {
        char tam[24];
        const int uzunluk = int(std::to_chars(tam, tam + sizeof tam, uint64_t(n)).ptr - tam);
        const int dolgu = std::max(0, d + 1 - uzunluk);
        char *o = std::copy_n(tam, uzunluk, std::fill_n(ilk, dolgu, '0'));
        if (d > 0) { // the point goes in before the last d digits
            std::copy_backward(o - d, o, o + 1);
            *(o - d) = '.';
            ++o;
        }
        return { ilk, o };
    }
    // Beyond that, to_chars rounds correctly with ties to even; only a tie needs the carry by hand.
    if (!yarimMi(a, d)) {
        char *e = std::to_chars(ilk, sonSinir, a, std::chars_format::fixed, d).ptr;
        return { ilk, e };
    }
    // The tie is exact with d+1 decimals; drop its final 5 and carry one up.
    char *e = std::to_chars(ilk + 1, sonSinir, a, std::chars_format::fixed, d + 1).ptr;
    --e;
    if (d == 0)
        --e; // the point
    for (char *p = e; p > ilk + 1;) {
        --p;
        if (*p == '.')
            continue;
        if (*p != '9') {
            ++*p;
            return { ilk + 1, e };
        }
        *p = '0';
    }
    *ilk = '1';
    return { ilk, e };
}

bool coz(QStringView p, int *ondalik, int *enAz, bool *gruplu)
{
    int yer = 0, ilkSifir = -1, d = 0;
    bool g = false;
    qsizetype i = 0;
    for (; i < p.size() && p[i] != u'.'; ++i) {
        const char16_t c = p[i].unicode();
        if (c == u'0' && ilkSifir < 0)
            ilkSifir = yer;
        if (c == u'#' || c == u'0')
            ++yer;
        else if (c == u',')
            g = true;
        else
            return false;
    }
    if (i < p.size()) {
        for (++i; i < p.size(); ++i) {
            if (p[i] != u'0')
                return false;
            ++d;
        }
    }
    if (yer + d == 0 || yer > enFazlaTamsayi || d > enFazlaOndalik)
        return false;
    *ondalik = d;
    *enAz = ilkSifir < 0 ? 0 : yer - ilkSifir;
    *gruplu = g;
    return true;
}

} // namespace

double ondalikYuvarla(double x, int basamak)
{
    if (!std::isfinite(x))
        return x;
    const int d = std::clamp(basamak, 0, 22);
    const double a = std::fabs(x);
    if (a >= 0x1p52)
        return x; // already a whole number
    double r;
    if (olcekliYuvarla(a, d, &r)) {
        r /= onunKuvveti[d];
    } else {
        char tampon[64];
        const Rakamlar k = rakamlar(a, d, tampon, tampon + sizeof tampon);
        std::from_chars(k.bas, k.son, r);
    }
    return r == 0 ? 0.0 : std::copysign(r, x);
}

SayiBicimi::Isaret SayiBicimi::isaret(const QString &s)
{
    Isaret i;
    i.n = int(std::min<qsizetype>(s.size(), 4));
    std::copy_n(reinterpret_cast<const char16_t *>(s.utf16()), i.n, i.c);
    return i;
}

bool SayiBicimi::gecerliMi(QStringView pattern)
{
    int d, e;
    bool g;
    return coz(pattern, &d, &e, &g);
}

SayiBicimi::SayiBicimi(QStringView pattern, const QLocale &locale)
{
    if (!coz(pattern, &m_ondalik, &m_enAzTamsayi, &m_gruplu))
        throw std::invalid_argument("invalid number pattern: " + pattern.toString().toStdString());
    m_grup = isaret(locale.groupSeparator());
    m_ondalikAyirac = isaret(locale.decimalPoint());
    m_eksi = isaret(locale.negativeSign());
}

qsizetype SayiBicimi::bicimle(double v, char16_t *out) const
{
    if (!std::isfinite(v))
        return 0;
    char tampon[400]; // 309 integer digits, 15 decimals, a carry
    const Rakamlar k = rakamlar(std::fabs(v), m_ondalik, tampon, tampon + sizeof tampon);
    const char *nokta = m_ondalik ? k.son - m_ondalik - 1 : k.son;
    const bool sifir = std::all_of(k.bas, k.son, [](char c) { return c == '0' || c == '.'; });

    const char *ib = k.bas;
    while (nokta - ib > m_enAzTamsayi && *ib == '0')
        ++ib;
    const int uzunluk = int(nokta - ib);
    const int dolgu = std::max(0, m_enAzTamsayi - uzunluk);
    const int toplam = dolgu + uzunluk;

    char16_t *o = out;
    const auto yaz = [&o](const Isaret &i) { o = std::copy_n(i.c, i.n, o); };
    if (std::signbit(v) && !sifir)
        yaz(m_eksi);
    for (int i = 0; i < toplam; ++i) {
        if (m_gruplu && i > 0 && (toplam - i) % 3 == 0)
            yaz(m_grup);
        *o++ = i < dolgu ? u'0' : char16_t(ib[i - dolgu]);
    }
    if (m_ondalik) {
        yaz(m_ondalikAyirac);
        for (const char *p = nokta + 1; p < k.son; ++p)
            *o++ = char16_t(*p);
    }
    return o - out;
}

QString SayiBicimi::bicimle(double v) const
{
    char16_t tampon[tamponBoyu];
    const qsizetype n = bicimle(v, tampon);
    return QString(reinterpret_cast<const QChar *>(tampon), n);
}

QString sayiBicimle(QStringView pattern, double v, const QLocale &locale)
{
    return SayiBicimi(pattern, locale).bicimle(v);
}
