#include "platform/xls/bilesikdosya.h"

#include <QtEndian>

#include <cstring>
#include <stdexcept>

namespace {

constexpr int kSektor = 512;
constexpr quint32 kBos = 0xFFFFFFFF; // FREESECT, also NOSTREAM
constexpr quint32 kZincirSonu = 0xFFFFFFFE;
constexpr quint32 kFatSektoru = 0xFFFFFFFD;
constexpr quint32 kDifatSektoru = 0xFFFFFFFC;
constexpr int kBaslikDifat = 109;
constexpr int kSektorBasina = kSektor / 4;
constexpr qsizetype kKucukAkisSiniri = 4096;

void u16(char *p, quint16 v)
{
    qToLittleEndian(v, p);
}
void u32(char *p, quint32 v)
{
    qToLittleEndian(v, p);
}

void dizinGirdisi(char *p, const QString &ad, quint8 tur, quint32 cocuk, quint32 ilkSektor, quint32 boy)
{
    std::memset(p, 0, 128);
    const qsizetype n = std::min<qsizetype>(ad.size(), 31);
    qToLittleEndian<quint16>(ad.utf16(), n, p);
    u16(p + 0x40, quint16((n + 1) * 2));
    p[0x42] = char(tur);
    p[0x43] = 1; // black: a tree of one node per level is a valid red-black tree
    u32(p + 0x44, kBos);
    u32(p + 0x48, kBos);
    u32(p + 0x4C, cocuk);
    u32(p + 0x74, ilkSektor);
    u32(p + 0x78, boy);
}

} // namespace

void BilesikDosya::kapla(QByteArray &dosya, const QString &akisAdi)
{
    if (dosya.size() < baslikBoyu)
        throw std::logic_error("BilesikDosya: no room for the header");
    qsizetype akisBoyu = dosya.size() - baslikBoyu;
    if (akisBoyu < kKucukAkisSiniri) {
        dosya.append(QByteArray(kKucukAkisSiniri - akisBoyu, '\0'));
        akisBoyu = kKucukAkisSiniri;
    }
    if (akisBoyu > 0x7FFFFFFF)
        throw std::length_error("BilesikDosya: stream too large");
    const quint32 akisSektoru = quint32((akisBoyu + kSektor - 1) / kSektor);
    dosya.append(QByteArray(qsizetype(akisSektoru) * kSektor - akisBoyu, '\0'));

    // The FAT must cover its own sectors and the DIFAT's: find the fixed point.
    quint32 fat = 1, difat = 0;
    for (;;) {
        const quint32 toplam = akisSektoru + 1 + fat + difat;
        const quint32 f = (toplam + kSektorBasina - 1) / kSektorBasina;
        const quint32 df = f > kBaslikDifat ? (f - kBaslikDifat + kSektorBasina - 2) / (kSektorBasina - 1) : 0;
        if (f == fat && df == difat)
            break;
        fat = f;
        difat = df;
    }
    const quint32 dizinSektoru = akisSektoru;
    const quint32 ilkFat = dizinSektoru + 1;
    const quint32 ilkDifat = ilkFat + fat;

    qsizetype p = dosya.size();
    dosya.resize(p + qsizetype(1 + fat + difat) * kSektor);
    char *v = dosya.data();

    // Directory: the root storage with the one stream as its only child.
    char *dizin = v + p;
    dizinGirdisi(dizin, QStringLiteral("Root Entry"), 5, 1, kZincirSonu, 0);
    dizinGirdisi(dizin + 128, akisAdi, 2, kBos, 0, quint32(akisBoyu));
    for (int i = 2; i < 4; ++i) {
        char *e = dizin + 128 * i;
        std::memset(e, 0, 128);
        u32(e + 0x44, kBos);
        u32(e + 0x48, kBos);
        u32(e + 0x4C, kBos);
    }
    p += kSektor;

    // FAT: the stream's chain, the directory, the tables themselves, the rest free.
    char *tablo = v + p;
    const quint32 girdi = fat * kSektorBasina;
    for (quint32 i = 0; i < girdi; ++i) {
        quint32 d = kBos;
        if (i + 1 < akisSektoru)
            d = i + 1;
        else if (i + 1 == akisSektoru || i == dizinSektoru)
            d = kZincirSonu;
        else if (i >= ilkFat && i < ilkDifat)
            d = kFatSektoru;
        else if (i >= ilkDifat && i < ilkDifat + difat)
            d = kDifatSektoru;
        u32(tablo + 4 * qsizetype(i), d);
    }
    p += qsizetype(fat) * kSektor;

    // DIFAT sectors: the FAT sectors past the header's 109, 127 a sector, then the next one.
    for (quint32 s = 0; s < difat; ++s) {
        char *ds = v + p + qsizetype(s) * kSektor;
        for (int i = 0; i < kSektorBasina - 1; ++i) {
            const quint32 n = kBaslikDifat + s * (kSektorBasina - 1) + quint32(i);
            u32(ds + 4 * i, n < fat ? ilkFat + n : kBos);
        }
        u32(ds + 4 * (kSektorBasina - 1), s + 1 < difat ? ilkDifat + s + 1 : kZincirSonu);
    }

    char *h = v;
    std::memset(h, 0, baslikBoyu);
    static const unsigned char imza[8] = { 0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1 };
    std::memcpy(h, imza, 8);
    u16(h + 0x18, 0x003E);
    u16(h + 0x1A, 0x0003);
    u16(h + 0x1C, 0xFFFE);
    u16(h + 0x1E, 9); // 512-byte sectors
    u16(h + 0x20, 6); // 64-byte mini sectors
    u32(h + 0x2C, fat);
    u32(h + 0x30, dizinSektoru);
    u32(h + 0x38, quint32(kKucukAkisSiniri));
    u32(h + 0x3C, kZincirSonu);
    u32(h + 0x40, 0);
    u32(h + 0x44, difat ? ilkDifat : kZincirSonu);
    u32(h + 0x48, difat);
    for (int i = 0; i < kBaslikDifat; ++i)
        u32(h + 0x4C + 4 * i, quint32(i) < fat ? ilkFat + quint32(i) : kBos);
}
