#include "app/ayardosyasi.h"

#include "app/common/makine.h"

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace {

constexpr char bolum[] = "kullanici";
constexpr char anahtarIsim[] = "isim";
constexpr char anahtarSifre[] = "sifre";
constexpr char anahtarHatirla[] = "hatırla"; // UTF-8 bytes, as the file keeps them

bool hepsiniYaz(int fd, const std::string &veri)
{
    size_t yazilan = 0;
    while (yazilan < veri.size()) {
        const ssize_t n = ::write(fd, veri.data() + yazilan, veri.size() - yazilan);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        yazilan += size_t(n);
    }
    return true;
}

} // namespace

QString AyarDosyasiYolu()
{
    return AyarKlasoru() + QStringLiteral("/ayar.ini");
}

std::optional<Ayarlar> AyarDosyasiOku(const QString &yol)
{
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray veri = dosya.readAll();
    CSimpleIniA ini;
    if (ini.LoadData(veri.constData(), size_t(veri.size())) < 0)
        return std::nullopt;
    Ayarlar a;
    a.isim = QString::fromUtf8(ini.GetValue(bolum, anahtarIsim, ""));
    a.sifre = QString::fromUtf8(ini.GetValue(bolum, anahtarSifre, ""));
    // A value that is no number keeps the default; any number but 0 is true.
    bool sayi = false;
    const int h = QByteArray(ini.GetValue(bolum, anahtarHatirla, "")).trimmed().toInt(&sayi);
    if (sayi)
        a.hatirla = h != 0;
    return a;
}

bool AyarDosyasiYaz(const QString &yol, const Ayarlar &ayar)
{
    CSimpleIniA ini;
    ini.SetSpaces(false);
    ini.SetValue(bolum, anahtarIsim, ayar.isim.toUtf8().constData());
    ini.SetValue(bolum, anahtarSifre, ayar.sifre.toUtf8().constData());
    ini.SetValue(bolum, anahtarHatirla, ayar.hatirla ? "1" : "0");
    std::string metin;
    if (ini.Save(metin) < 0)
        return false;

    // The password is kept in plain text: nobody but the owner may read it.
    const QByteArray ad = QFile::encodeName(yol);
    const int fd = ::open(ad.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool tamam = ::fchmod(fd, 0600) == 0 && hepsiniYaz(fd, metin);
    tamam = ::close(fd) == 0 && tamam;
    return tamam;
}
