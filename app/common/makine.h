#pragma once
// The facts that identify the workstation to the server, the per-user
// folders, and the web address encoder. Free of shared state; any thread.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

QString BilgisayarAdiAl(); // host name; empty when longer than 15 characters or unknown
QString KullaniciAdiAl(); // the OS user from the password database; same 15-character rule
QString IcIpAl(); // first IPv4 address of the host name; "127.0.0.1" when that fails
QString DiskSeriNoAl(); // the first physical disk's serial number, upper case; empty when unknown
QString MacAdresiAl(); // "AA-BB-CC-DD-EE-FF" of the first adapter that has a non-zero address
QString BilgisayarIdAl(); // disk serial, else adapter address, without spaces, alias applied
QString AyarKlasoru(); // per-user settings folder ".../tarnevooto", created when missing
QString BelgelerKlasoru(); // the user's documents folder; empty when unknown
QString UrlKodla(const QString &adres); // scheme and host kept, path and query percent-encoded

// The pure parts, apart from the operating system so they can be tested.
namespace makine {

inline constexpr int adUzunlugu = 15;

// The name when it fits the 15 characters, else empty.
QString sinirliAd(const QString &ad);

struct DiskAdayi
{
    QString ad; // kernel name: "sda", "nvme0n1", "loop0"
    QString seriNo; // what udev or sysfs reported; may be empty
    bool sanal = false; // under /devices/virtual
};

// Loop, RAM, zram, device-mapper and md devices are no physical disks.
bool sanalAdMi(const QString &ad);
// The first physical disk in name order; its serial trimmed and upper case
// (empty when it has none: the next disk does not stand in for it).
QString ilkDiskSeriNo(std::vector<DiskAdayi> adaylar);

// Six bytes as upper-case hex pairs joined by "-"; empty for another length.
QString macBicimle(const QByteArray &alti);
// Adapter addresses in the form "aa:bb:cc:dd:ee:ff", in adapter order: the
// first that is not all zeros; all zeros when none is; empty without adapters.
QString ilkMacAdresi(const QStringList &adresler);

// Disk serial trimmed, else adapter address trimmed; spaces removed; then the
// one-entry alias when aliasFrom is not empty.
QString kimlikSec(const QString &diskSeriNo, const QString &macAdresi, const QString &aliasFrom,
                  const QString &aliasTo);

} // namespace makine
