#include "app/common/makine.h"

#include <QUrl>

#include <algorithm>

namespace makine {

QString sinirliAd(const QString &ad)
{
    return ad.size() <= adUzunlugu ? ad : QString();
}

bool sanalAdMi(const QString &ad)
{
    for (const char *onEk : { "loop", "ram", "zram", "dm-", "md", "nbd", "sr", "fd" })
        if (ad.startsWith(QLatin1String(onEk)))
            return true;
    return false;
}

QString ilkDiskSeriNo(std::vector<DiskAdayi> adaylar)
{
    std::erase_if(adaylar, [](const DiskAdayi &d) { return d.sanal || d.ad.isEmpty() || sanalAdMi(d.ad); });
    if (adaylar.empty())
        return {};
    const auto ilk = std::min_element(adaylar.begin(), adaylar.end(),
                                      [](const DiskAdayi &a, const DiskAdayi &b) { return a.ad < b.ad; });
    return ilk->seriNo.trimmed().toUpper();
}

QString macBicimle(const QByteArray &alti)
{
    if (alti.size() != 6)
        return {};
    return QString::fromLatin1(alti.toHex('-').toUpper());
}

QString ilkMacAdresi(const QStringList &adresler)
{
    static const QString sifir = QStringLiteral("00-00-00-00-00-00");
    QString sonuc;
    for (const QString &a : adresler) {
        const QByteArray bayt = QByteArray::fromHex(a.toLatin1());
        const QString m = bayt.toHex(':') == a.toLower().toLatin1() ? macBicimle(bayt) : QString();
        if (m.isEmpty())
            continue; // no six-byte hardware address (tunnels, some virtual links)
        sonuc = m;
        if (m != sifir)
            break;
    }
    return sonuc;
}

QString kimlikSec(const QString &diskSeriNo, const QString &macAdresi, const QString &aliasFrom, const QString &aliasTo)
{
    QString id = diskSeriNo.trimmed();
    if (id.isEmpty())
        id = macAdresi.trimmed();
    id.remove(QLatin1Char(' '));
    if (!aliasFrom.isEmpty() && id == aliasFrom)
        id = aliasTo;
    return id;
}

} // namespace makine

QString UrlKodla(const QString &adres)
{
    // Tolerant parsing takes blanks and letters outside ASCII as they are and
    // encodes them; delimiters of the query stay what they are.
    const QUrl url(adres, QUrl::TolerantMode);
    if (!url.isValid())
        return QString::fromLatin1(QUrl::toPercentEncoding(adres, ":/?&=#%+"));
    return QString::fromLatin1(url.toEncoded());
}
