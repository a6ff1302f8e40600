#include "appserver/tutar.h"

#include <charconv>
#include <cmath>

namespace appserver {

double ikiHane(double x)
{
    if (!std::isfinite(x) || x == 0)
        return x;
    const bool negatif = x < 0;
    const double a = std::fabs(x);
    const int us = int(std::floor(std::log10(a)));
    const int basamak = 14 - us; // decimals that leave 15 significant digits
    double r;
    if (basamak < 3) {
        r = std::round(a * 100) / 100; // too large for more decimals to matter
    } else if (basamak > 30) {
        r = 0;
    } else {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, basamak);
        const std::string_view s(buf, size_t(res.ptr - buf));
        const size_t nokta = s.find('.');
        long long tam = 0;
        std::from_chars(s.data(), s.data() + nokta, tam);
        const long long kurus = tam * 100 + (s[nokta + 1] - '0') * 10 + (s[nokta + 2] - '0');
        r = double(kurus + (s[nokta + 3] >= '5' ? 1 : 0)) / 100;
    }
    return negatif ? -r : r;
}

double indirimli(double tutar, const Oranlar &oranlar)
{
    for (const double r : oranlar)
        if (r > 0)
            tutar -= tutar * r / 100;
    return tutar;
}

std::string indirimYazisi(const Oranlar &oranlar)
{
    std::string y;
    for (const double r : oranlar) {
        if (!(r > 0))
            continue;
        if (!y.empty())
            y.push_back('+');
        char buf[32];
        const auto res = std::to_chars(buf, buf + sizeof buf, r);
        for (char *p = buf; p != res.ptr; ++p)
            y.push_back(*p == '.' ? ',' : *p); // Turkish decimal comma
    }
    return y;
}

SatirTutari satirHesapla(double fiyat, double miktar, const Oranlar &oranlar, double kdv)
{
    SatirTutari t;
    t.tutar = ikiHane(fiyat * miktar);
    t.netTutar = ikiHane(indirimli(fiyat * miktar, oranlar));
    t.indirimTutar = ikiHane(t.tutar - t.netTutar);
    t.netBirimFiyat = miktar > 0 ? ikiHane(t.netTutar / miktar) : 0;
    t.vergiTutari = ikiHane(t.netTutar * kdv / 100);
    return t;
}

KalemFiyati kalemFiyati(bool kampanyali, double listeFiyati, double kampanyaFiyati, const Oranlar &grupOranlari)
{
    KalemFiyati f;
    f.fiyat = kampanyali && kampanyaFiyati > 0 ? kampanyaFiyati : listeFiyati;
    if (!kampanyali) // campaign prices are final
        f.oranlar = grupOranlari;
    return f;
}

std::string tlBicimle(double tutar)
{
    const double y = ikiHane(tutar);
    const long long kurus = std::llround(std::fabs(y) * 100);
    std::string tam = std::to_string(kurus / 100);
    for (int i = int(tam.size()) - 3; i > 0; i -= 3)
        tam.insert(size_t(i), 1, '.');
    const int k = int(kurus % 100);
    return (y < 0 ? "-" : "") + tam + ',' + char('0' + k / 10) + char('0' + k % 10);
}

} // namespace appserver
