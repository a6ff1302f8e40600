#include "server/akisoku.h"

#include <QIODevice>

std::optional<QByteArray> AkisOku(QIODevice *akis, qint64 boy)
{
    constexpr qint64 blok = 1024;
    if (!akis || boy <= 0 || !akis->seek(0))
        return std::nullopt;
    QByteArray tampon;
    char parca[blok];
    for (;;) {
        const qint64 n = akis->read(parca, blok);
        if (n > 0)
            tampon.append(parca, qsizetype(n));
        if (n < blok)
            break;
    }
    if (tampon.size() != boy)
        return std::nullopt;
    return tampon;
}
