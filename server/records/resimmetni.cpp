#include "server/records/resimmetni.h"

namespace {
int hane(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}
} // namespace

std::optional<QByteArray> ResimMetniCoz(QStringView metin)
{
    QByteArray bayt;
    bayt.reserve((metin.size() + 1) / 2);
    for (qsizetype i = 0; i < metin.size(); i += 2) {
        const int yuksek = hane(metin[i]);
        if (yuksek < 0)
            return std::nullopt;
        if (i + 1 == metin.size()) {
            bayt.append(char(yuksek)); // the odd last digit stands alone
            break;
        }
        const int dusuk = hane(metin[i + 1]);
        if (dusuk < 0)
            return std::nullopt;
        bayt.append(char(yuksek * 16 + dusuk));
    }
    return bayt;
}
