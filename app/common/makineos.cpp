// The operating-system side of the machine facts (Linux).
#include "app/common/makine.h"

#include <deployment.h>

#include <QDir>
#include <QFile>
#include <QNetworkInterface>
#include <QStandardPaths>

#include <libudev.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace {

QString sysfsSeriNo(const QString &ad)
{
    QFile f(QStringLiteral("/sys/block/%1/device/serial").arg(ad));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).trimmed();
}

// Block devices of type disk as udev knows them; the sysfs serial where udev has none.
std::vector<makine::DiskAdayi> diskAdaylari()
{
    std::vector<makine::DiskAdayi> adaylar;
    std::unique_ptr<udev, decltype(&udev_unref)> u(udev_new(), &udev_unref);
    if (u) {
        std::unique_ptr<udev_enumerate, decltype(&udev_enumerate_unref)> e(udev_enumerate_new(u.get()),
                                                                           &udev_enumerate_unref);
        if (e && udev_enumerate_add_match_subsystem(e.get(), "block") >= 0
            && udev_enumerate_add_match_property(e.get(), "DEVTYPE", "disk") >= 0
            && udev_enumerate_scan_devices(e.get()) >= 0) {
            for (udev_list_entry *i = udev_enumerate_get_list_entry(e.get()); i; i = udev_list_entry_get_next(i)) {
                std::unique_ptr<udev_device, decltype(&udev_device_unref)> d(
                    udev_device_new_from_syspath(u.get(), udev_list_entry_get_name(i)), &udev_device_unref);
                if (!d)
                    continue;
                makine::DiskAdayi a;
                a.ad = QString::fromUtf8(udev_device_get_sysname(d.get()));
                const char *yol = udev_device_get_devpath(d.get());
                a.sanal = yol && QByteArray(yol).startsWith("/devices/virtual/");
                const char *seri = udev_device_get_property_value(d.get(), "ID_SERIAL_SHORT");
                if (!seri || !*seri)
                    seri = udev_device_get_property_value(d.get(), "ID_SERIAL");
                a.seriNo = seri ? QString::fromUtf8(seri) : sysfsSeriNo(a.ad);
                adaylar.push_back(std::move(a));
            }
        }
    }
    if (adaylar.empty()) {
        // Without udev (containers, minimal systems) sysfs still lists the disks.
        const QDir blok(QStringLiteral("/sys/block"));
        for (const QString &ad : blok.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
            const QString hedef = QFileInfo(blok.filePath(ad)).canonicalFilePath();
            adaylar.push_back({ ad, sysfsSeriNo(ad), hedef.contains(QLatin1String("/devices/virtual/")) });
        }
    }
    return adaylar;
}

} // namespace

QString BilgisayarAdiAl()
{
    char ad[256] = {};
    if (gethostname(ad, sizeof ad - 1) != 0)
        return {};
    return makine::sinirliAd(QString::fromLocal8Bit(ad));
}

QString KullaniciAdiAl()
{
    std::vector<char> tampon(16384);
    passwd pw {};
    passwd *sonuc = nullptr;
    if (getpwuid_r(getuid(), &pw, tampon.data(), tampon.size(), &sonuc) != 0 || !sonuc || !sonuc->pw_name)
        return {};
    return makine::sinirliAd(QString::fromLocal8Bit(sonuc->pw_name));
}

QString IcIpAl()
{
    const QString yedek = QStringLiteral("127.0.0.1");
    char ad[256] = {};
    if (gethostname(ad, sizeof ad - 1) != 0)
        return yedek;
    addrinfo ipucu {};
    ipucu.ai_family = AF_INET;
    ipucu.ai_socktype = SOCK_STREAM;
    addrinfo *liste = nullptr;
    if (getaddrinfo(ad, nullptr, &ipucu, &liste) != 0 || !liste)
        return yedek;
    QString sonuc = yedek;
    char metin[INET_ADDRSTRLEN] = {};
    const auto *adres = reinterpret_cast<const sockaddr_in *>(liste->ai_addr);
    if (liste->ai_family == AF_INET && inet_ntop(AF_INET, &adres->sin_addr, metin, sizeof metin))
        sonuc = QString::fromLatin1(metin);
    freeaddrinfo(liste);
    return sonuc;
}

QString DiskSeriNoAl()
{
    return makine::ilkDiskSeriNo(diskAdaylari());
}

QString MacAdresiAl()
{
    QStringList adresler;
    for (const QNetworkInterface &i : QNetworkInterface::allInterfaces())
        adresler << i.hardwareAddress();
    return makine::ilkMacAdresi(adresler);
}

QString BilgisayarIdAl()
{
    QString disk, mac;
    try {
        disk = DiskSeriNoAl();
    } catch (...) { }
    if (disk.trimmed().isEmpty()) {
        try {
            mac = MacAdresiAl();
        } catch (...) { }
    }
    return makine::kimlikSec(disk, mac, QString::fromUtf8(deployment::idAliasFrom),
                             QString::fromUtf8(deployment::idAliasTo));
}

QString AyarKlasoru()
{
    const QString kok = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (kok.isEmpty())
        return {};
    const QString klasor = kok + QStringLiteral("/tarnevooto");
    QDir().mkpath(klasor);
    return klasor;
}

QString BelgelerKlasoru()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
