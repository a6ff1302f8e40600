#include "platform/xls/xlskitap.h"

#include "platform/xls/bilesikdosya.h"
#include "platform/xls/kayityazici.h"

#include <QDir>
#include <QHash>
#include <QSaveFile>

#include <cmath>
#include <cstring>

namespace {

// Record types of the workbook stream.
enum : quint16 {
    kBof = 0x0809,
    kEof = 0x000A,
    kCodepage = 0x0042,
    kWindow1 = 0x003D,
    kDate1904 = 0x0022,
    kFont = 0x0031,
    kFormat = 0x041E,
    kXf = 0x00E0,
    kStyle = 0x0293,
    kBoundsheet = 0x0085,
    kSst = 0x00FC,
    kContinue = 0x003C,
    kExtsst = 0x00FF,
    kColinfo = 0x007D,
    kDimensions = 0x0200,
    kRow = 0x0208,
    kNumber = 0x0203,
    kRk = 0x027E,
    kLabelsst = 0x00FD,
    kBoolerr = 0x0205,
    kWindow2 = 0x023E,
};

constexpr int kEnFazlaMetin = 32767; // characters of one cell
constexpr int kStilXfSayisi = 15;
constexpr quint16 kVarsayilanXf = 15; // the default cell format: General, normal font
constexpr int kIlkHucreXf = 16;
constexpr quint16 kKalinFont = 5; // font index 4 does not exist in the format
constexpr int kSatirBlogu = 32;
constexpr int kEnFazlaSayfaAdi = 31;

// A cell value waiting in the current row.
struct Hucre
{
    enum Tur : quint8 { Bos, Sayi, Metin, Hata };
    Tur tur = Bos;
    quint16 xf = 0;
    quint32 sst = 0;
    double sayi = 0;
};

// A number as an RK value when that keeps it exact: 30-bit integers, values whose
// low 34 bits are zero, and hundredths of 30-bit integers.
bool rkYap(double v, quint32 &rk)
{
    constexpr double sinir = 536870912.0; // 2^29
    if (v == std::floor(v) && v >= -sinir && v < sinir) {
        rk = (quint32(qint32(v)) << 2) | 2;
        return true;
    }
    quint64 bitler;
    std::memcpy(&bitler, &v, sizeof bitler);
    if ((bitler & 0x3FFFFFFFFull) == 0) {
        rk = quint32(bitler >> 32);
        return true;
    }
    const double yuzle = v * 100.0;
    if (yuzle == std::floor(yuzle) && yuzle >= -sinir && yuzle < sinir && double(qint32(yuzle)) / 100.0 == v) {
        rk = (quint32(qint32(yuzle)) << 2) | 3;
        return true;
    }
    return false;
}

QString metniKes(const QString &s)
{
    if (s.size() <= kEnFazlaMetin)
        return s;
    qsizetype n = kEnFazlaMetin;
    if (s.at(n - 1).isHighSurrogate())
        --n; // never leave half a character
    return s.left(n);
}

QString sayfaAdiTemizle(QString ad)
{
    for (QChar &c : ad)
        if (QStringView(u"[]:*?/\\").contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    ad = ad.trimmed();
    while (ad.startsWith(QLatin1Char('\'')))
        ad.remove(0, 1);
    while (ad.endsWith(QLatin1Char('\'')))
        ad.chop(1);
    if (ad.isEmpty())
        ad = QStringLiteral("Sayfa1");
    return ad;
}

} // namespace

struct XlsKitap::Impl
{
    struct Sayfa
    {
        QByteArray veri; // finished row blocks: ROW records, then their cells
        QByteArray blokSatirlari; // ROW records of the open block
        QByteArray blokHucreleri; // cells of the open block
        int satirSayisi = 0; // rows used, the caption row included
        int enBuyukSutun = -1;
        int sonDoluSatir = -1;
    };

    std::vector<Bicim> bicimler;
    QStringList basliklar;
    std::vector<int> genislikler;
    QString sayfaAdi = QStringLiteral("Sayfa1");
    std::vector<Sayfa> sayfalar;
    int veriSatiri = 0;
    int tarihBicimi = -1;
    int baslikBicimi = -1;

    QHash<QString, quint32> sstSirasi;
    std::vector<QString> sstMetinleri;
    quint64 sstBasvuru = 0; // LABELSST cells over the workbook

    // The current row: its cells stay editable until the next row, and its
    // records can be rewritten (bayt() may run in between).
    std::vector<Hucre> satir = std::vector<Hucre>(XlsKitap::enFazlaSutun);
    int satirEnBuyuk = -1;
    bool satirAcik = false;
    qsizetype yazilanSatirBasi = -1, yazilanHucreBasi = -1; // where its records start, -1: not written
    quint32 yazilanEtiket = 0;

    quint32 sstEkle(const QString &s)
    {
        auto it = sstSirasi.constFind(s);
        if (it != sstSirasi.constEnd())
            return *it;
        const quint32 i = quint32(sstMetinleri.size());
        sstSirasi.insert(s, i);
        sstMetinleri.push_back(s);
        return i;
    }

    quint16 xfIcin(int bicim) const
    {
        if (bicim == -1)
            return kVarsayilanXf;
        if (bicim < 0 || bicim >= int(bicimler.size()))
            throw std::out_of_range("XlsKitap: no such cell format");
        return quint16(kIlkHucreXf + bicim);
    }

    Hucre &hucre(int sutun)
    {
        if (!satirAcik)
            throw std::logic_error("XlsKitap: a cell set before the first satirEkle()");
        if (sutun < 0 || sutun >= XlsKitap::enFazlaSutun)
            throw std::out_of_range("XlsKitap: column out of range");
        satirEnBuyuk = std::max(satirEnBuyuk, sutun);
        geriAl();
        return satir[size_t(sutun)];
    }

    // Takes the current row's records back out of the sheet so it can be written again.
    void geriAl()
    {
        if (yazilanSatirBasi < 0)
            return;
        Sayfa &s = sayfalar.back();
        s.blokSatirlari.truncate(yazilanSatirBasi);
        s.blokHucreleri.truncate(yazilanHucreBasi);
        sstBasvuru -= yazilanEtiket;
        yazilanSatirBasi = yazilanHucreBasi = -1;
    }

    // Writes the current row's records into the open block of the last sheet.
    void satiriYaz()
    {
        if (!satirAcik || yazilanSatirBasi >= 0)
            return;
        Sayfa &s = sayfalar.back();
        const quint16 r = quint16(s.satirSayisi - 1);
        yazilanSatirBasi = s.blokSatirlari.size();
        yazilanHucreBasi = s.blokHucreleri.size();
        yazilanEtiket = 0;
        int ilk = -1, son = -1;
        KayitYazici y(s.blokHucreleri);
        for (int c = 0; c <= satirEnBuyuk; ++c) {
            const Hucre &h = satir[size_t(c)];
            if (h.tur == Hucre::Bos)
                continue;
            if (ilk < 0)
                ilk = c;
            son = c;
            switch (h.tur) {
            case Hucre::Sayi: {
                quint32 rk;
                if (rkYap(h.sayi, rk)) {
                    y.bas(kRk, 10).u16(r).u16(quint16(c)).u16(h.xf).u32(rk);
                } else {
                    y.bas(kNumber, 14).u16(r).u16(quint16(c)).u16(h.xf).f64(h.sayi);
                }
                break;
            }
            case Hucre::Metin:
                y.bas(kLabelsst, 10).u16(r).u16(quint16(c)).u16(h.xf).u32(h.sst);
                ++yazilanEtiket;
                break;
            case Hucre::Hata: // a number the format cannot hold (NaN, infinity): #NUM!
                y.bas(kBoolerr, 8).u16(r).u16(quint16(c)).u16(h.xf).u8(0x24).u8(1);
                break;
            case Hucre::Bos:
                break;
            }
        }
        sstBasvuru += yazilanEtiket;
        if (ilk >= 0) {
            s.enBuyukSutun = std::max(s.enBuyukSutun, son);
            s.sonDoluSatir = std::max(s.sonDoluSatir, int(r));
            KayitYazici(s.blokSatirlari)
                .bas(kRow, 16)
                .u16(r)
                .u16(quint16(ilk))
                .u16(quint16(son + 1))
                .u16(0x00FF) // default height
                .u16(0)
                .u16(0)
                .u32(0x000F0100); // default cell format 15
        }
    }

    void satiriKapat()
    {
        if (!satirAcik)
            return;
        satiriYaz();
        for (int c = 0; c <= satirEnBuyuk; ++c)
            satir[size_t(c)].tur = Hucre::Bos;
        satirEnBuyuk = -1;
        satirAcik = false;
        yazilanSatirBasi = yazilanHucreBasi = -1;
        Sayfa &s = sayfalar.back();
        if (s.satirSayisi % kSatirBlogu == 0)
            blokKapat(s);
    }

    static void blokKapat(Sayfa &s)
    {
        s.veri += s.blokSatirlari;
        s.veri += s.blokHucreleri;
        s.blokSatirlari.clear();
        s.blokHucreleri.clear();
    }

    void sayfaAc()
    {
        if (!sayfalar.empty())
            blokKapat(sayfalar.back());
        sayfalar.emplace_back();
        if (basliklar.isEmpty())
            return;
        if (baslikBicimi < 0)
            baslikBicimi = bicimEkle({ QStringLiteral("General"), true });
        Sayfa &s = sayfalar.back();
        s.satirSayisi = 1;
        satirAcik = true;
        for (int c = 0; c < basliklar.size(); ++c) {
            Hucre &h = satir[size_t(c)];
            h.tur = Hucre::Metin;
            h.xf = xfIcin(baslikBicimi);
            h.sst = sstEkle(metniKes(basliklar.at(c)));
        }
        satirEnBuyuk = int(basliklar.size()) - 1;
        satiriKapat();
    }

    int bicimEkle(const Bicim &b)
    {
        const QString kod = b.kod.isEmpty() ? QStringLiteral("General") : b.kod;
        for (size_t i = 0; i < bicimler.size(); ++i)
            if (bicimler[i].kod == kod && bicimler[i].kalin == b.kalin)
                return int(i);
        if (kIlkHucreXf + bicimler.size() >= 4000)
            throw std::length_error("XlsKitap: too many cell formats");
        bicimler.push_back({ kod, b.kalin });
        return int(bicimler.size()) - 1;
    }

    QString sayfaAdiVer(int i) const
    {
        const QString temel = sayfaAdiTemizle(sayfaAdi);
        if (i == 0)
            return temel.left(kEnFazlaSayfaAdi);
        const QString ek = QStringLiteral(" (%1)").arg(i + 1);
        return temel.left(kEnFazlaSayfaAdi - ek.size()) + ek;
    }

    void globalleriYaz(KayitYazici &y, qsizetype akisBasi, std::vector<qsizetype> &sayfaKonumlari) const;
    void sstYaz(KayitYazici &y, qsizetype akisBasi) const;
    void sayfayiYaz(KayitYazici &y, const Sayfa &s, bool etkin) const;
};

void XlsKitap::Impl::globalleriYaz(KayitYazici &y, qsizetype akisBasi, std::vector<qsizetype> &sayfaKonumlari) const
{
    y.bas(kBof, 16).u16(0x0600).u16(0x0005).u16(0x0DBB).u16(0x07CC).u32(0).u32(0x00000006);
    y.bas(kCodepage, 2).u16(1200);
    y.bas(kWindow1, 18).u16(0).u16(0).u16(0x4000).u16(0x2000).u16(0x0038).u16(0).u16(0).u16(1).u16(600);
    y.bas(kDate1904, 2).u16(0);

    auto font = [&y](bool kalin) {
        y.bas(kFont, 16 + 5)
            .u16(200) // 10 pt
            .u16(kalin ? 1 : 0) // the old bold bit, which readers still look at
            .u16(0x7FFF) // automatic colour
            .u16(kalin ? 700 : 400)
            .u16(0)
            .u8(0)
            .u8(2) // swiss family
            .u8(0)
            .u8(0)
            .u8(5)
            .u8(0)
            .latin1("Arial");
    };
    for (int i = 0; i < 4; ++i)
        font(false);
    font(true); // index 5

    // Number formats: General is built in, every other code gets its own id from 164.
    QHash<QString, quint16> bicimNo;
    quint16 sonraki = 164;
    for (const Bicim &b : bicimler) {
        if (b.kod == QLatin1String("General") || bicimNo.contains(b.kod))
            continue;
        bicimNo.insert(b.kod, sonraki);
        y.yazMetinKaydi(kFormat, sonraki, b.kod);
        ++sonraki;
    }

    auto xf = [&y](quint16 fontNo, quint16 bicim, bool stil, quint8 kullanilan) {
        y.bas(kXf, 20)
            .u16(fontNo)
            .u16(bicim)
            .u16(stil ? 0xFFF5 : 0x0001) // style XFs: locked, parent none; cell XFs: parent Normal
            .u8(0x20) // bottom aligned
            .u8(0)
            .u8(0)
            .u8(kullanilan)
            .u32(0)
            .u32(0)
            .u16(0x20C0); // pattern colours: automatic
    };
    xf(0, 0, true, 0);
    for (int i = 1; i < kStilXfSayisi; ++i)
        xf(i <= 2 ? 1 : (i <= 4 ? 2 : 0), 0, true, 0xF4);
    xf(0, 0, false, 0);
    for (const Bicim &b : bicimler)
        xf(b.kalin ? kKalinFont : 0, b.kod == QLatin1String("General") ? 0 : bicimNo.value(b.kod), false, 0xFC);

    y.bas(kStyle, 4).u16(0x8000).u8(0).u8(0xFF); // built-in Normal on XF 0

    const int sayfaSayisi = std::max<int>(1, int(sayfalar.size()));
    for (int i = 0; i < sayfaSayisi; ++i) {
        const QString ad = sayfaAdiVer(i);
        const bool genis = KayitYazici::genisMi(ad);
        y.bas(kBoundsheet, quint16(8 + ad.size() * (genis ? 2 : 1)));
        sayfaKonumlari.push_back(y.konum());
        y.u32(0).u16(0).u8(quint8(ad.size())).u8(genis ? 1 : 0).karakterler(ad, genis);
    }
    sstYaz(y, akisBasi);
    y.bas(kEof, 0);
}

// The shared strings, in records of at most 8,224 bytes: a string never starts
// without room for its header and first character, and one cut in its characters
// goes on in the next CONTINUE after a repeated option-flags byte.
void XlsKitap::Impl::sstYaz(KayitYazici &y, qsizetype akisBasi) const
{
    const quint32 adet = quint32(sstMetinleri.size());
    const quint16 kova = quint16(std::max<quint32>(8, (adet + 127) / 128));
    std::vector<std::pair<quint32, quint16>> kovalar;
    kovalar.reserve((adet + kova - 1) / kova);

    y.acikKayitBas(kSst);
    y.u32(quint32(std::min<quint64>(sstBasvuru, 0xFFFFFFFFu))).u32(adet);
    for (quint32 i = 0; i < adet; ++i) {
        const QString &s = sstMetinleri[i];
        const bool genis = KayitYazici::genisMi(s);
        const int boy = genis ? 2 : 1;
        if (y.kalan() < 3 + (s.isEmpty() ? 0 : boy))
            y.acikKayitBas(kContinue);
        if (i % kova == 0)
            kovalar.emplace_back(quint32(y.konum() - akisBasi), quint16(y.kayitIci()));
        y.u16(quint16(s.size())).u8(genis ? 1 : 0);
        qsizetype yazilan = 0;
        while (yazilan < s.size()) {
            qsizetype n = std::min<qsizetype>(s.size() - yazilan, y.kalan() / boy);
            if (n == 0) {
                y.acikKayitBas(kContinue);
                y.u8(genis ? 1 : 0);
                continue;
            }
            if (genis && s.at(yazilan + n - 1).isHighSurrogate() && yazilan + n < s.size() && n > 1)
                --n; // keep a surrogate pair in one record
            y.karakterler(QStringView(s).mid(yazilan, n), genis);
            yazilan += n;
        }
    }
    y.acikKayitBitir();

    y.bas(kExtsst, quint16(2 + 8 * kovalar.size())).u16(kova);
    for (const auto &[konum, kayitIci] : kovalar)
        y.u32(konum).u16(kayitIci).u16(0);
}

void XlsKitap::Impl::sayfayiYaz(KayitYazici &y, const Sayfa &s, bool etkin) const
{
    y.bas(kBof, 16).u16(0x0600).u16(0x0010).u16(0x0DBB).u16(0x07CC).u32(0).u32(0x00000006);
    for (size_t c = 0; c < genislikler.size() && c < size_t(XlsKitap::enFazlaSutun); ++c) {
        if (genislikler[c] <= 0)
            continue;
        const int genislik = std::min(genislikler[c], 255) * 256 + 182; // a little room for the cell margins
        y.bas(kColinfo, 12)
            .u16(quint16(c))
            .u16(quint16(c))
            .u16(quint16(std::min(genislik, 0xFFFF)))
            .u16(15)
            .u16(0)
            .u16(0);
    }
    const int sutunSonu = s.enBuyukSutun + 1;
    y.bas(kDimensions, 14).u32(0).u32(quint32(s.sonDoluSatir + 1)).u16(0).u16(quint16(sutunSonu)).u16(0);
    y.ham(s.veri);
    y.ham(s.blokSatirlari);
    y.ham(s.blokHucreleri);
    y.bas(kWindow2, 18).u16(etkin ? 0x06B6 : 0x00B6).u16(0).u16(0).u16(64).u16(0).u16(0).u16(0).u32(0);
    y.bas(kEof, 0);
}

XlsKitap::XlsKitap()
    : d(std::make_unique<Impl>())
{ }

XlsKitap::~XlsKitap() = default;

int XlsKitap::bicimEkle(const Bicim &b)
{
    return d->bicimEkle(b);
}

void XlsKitap::setSutunlar(const QStringList &basliklar, const std::vector<int> &genislikler)
{
    if (basliklar.size() > enFazlaSutun || genislikler.size() > size_t(enFazlaSutun))
        throw std::invalid_argument("XlsKitap: more than 256 columns");
    if (!d->sayfalar.empty())
        throw std::logic_error("XlsKitap: columns set after the first row");
    d->basliklar = basliklar;
    d->genislikler = genislikler;
}

void XlsKitap::satirEkle()
{
    d->satiriKapat();
    if (d->sayfalar.empty() || d->sayfalar.back().satirSayisi >= enFazlaSatir)
        d->sayfaAc();
    ++d->sayfalar.back().satirSayisi;
    ++d->veriSatiri;
    d->satirAcik = true;
}

void XlsKitap::sayi(int sutun, double deger, int bicim)
{
    const quint16 xf = d->xfIcin(bicim);
    Hucre &h = d->hucre(sutun);
    h.tur = std::isfinite(deger) ? Hucre::Sayi : Hucre::Hata;
    h.xf = xf;
    h.sayi = deger;
}

void XlsKitap::tarih(int sutun, double gunSayisi, int bicim)
{
    if (bicim == -1) {
        if (d->tarihBicimi < 0)
            d->tarihBicimi = d->bicimEkle({ QStringLiteral("dd.mm.yyyy"), false });
        bicim = d->tarihBicimi;
    }
    sayi(sutun, gunSayisi, bicim);
}

void XlsKitap::metin(int sutun, const QString &deger, int bicim)
{
    const quint16 xf = d->xfIcin(bicim);
    Hucre &h = d->hucre(sutun);
    h.tur = Hucre::Metin;
    h.xf = xf;
    h.sst = d->sstEkle(metniKes(deger));
}

void XlsKitap::setSayfaAdi(const QString &ad)
{
    d->sayfaAdi = ad;
}

int XlsKitap::satirSayisi() const
{
    return d->veriSatiri;
}

int XlsKitap::sayfaSayisi() const
{
    return std::max<int>(1, int(d->sayfalar.size()));
}

QByteArray XlsKitap::bayt() const
{
    if (d->sayfalar.empty())
        d->sayfaAc(); // a workbook needs a sheet, if only the captions
    d->satiriYaz();

    qsizetype tahmin = 8192 + qsizetype(d->sstMetinleri.size()) * 8;
    for (const QString &s : d->sstMetinleri)
        tahmin += s.size() * 2;
    for (const Impl::Sayfa &s : d->sayfalar)
        tahmin += s.veri.size() + s.blokSatirlari.size() + s.blokHucreleri.size() + 512;
    tahmin += tahmin / 64 + 4096; // the container's tables

    QByteArray cikti;
    cikti.reserve(tahmin);
    cikti.resize(BilesikDosya::baslikBoyu);
    const qsizetype akisBasi = cikti.size();
    KayitYazici y(cikti);
    std::vector<qsizetype> sayfaKonumlari;
    d->globalleriYaz(y, akisBasi, sayfaKonumlari);
    for (size_t i = 0; i < d->sayfalar.size(); ++i) {
        KayitYazici::yamala32(cikti, sayfaKonumlari[i], quint32(cikti.size() - akisBasi));
        d->sayfayiYaz(y, d->sayfalar[i], i == 0);
    }
    BilesikDosya::kapla(cikti, QStringLiteral("Workbook"));
    return cikti;
}

void XlsKitap::kaydet(const QString &yol) const
{
    const QByteArray veri = bayt();
    QSaveFile dosya(yol);
    auto hata = [&yol](const QString &neden) {
        return XlsHatasi(
            QStringLiteral("Dosya yazılamadı: %1\r\n%2").arg(QDir::toNativeSeparators(yol), neden).toStdString());
    };
    if (!dosya.open(QIODevice::WriteOnly))
        throw hata(dosya.errorString());
    // QSaveFile may take a short write (file-size limit, full disk) for a whole one
    // and rename the cut file over the target: check what reached the disk first.
    const bool yazildi = dosya.write(veri) == veri.size() && dosya.flush() && dosya.size() == veri.size();
    if (!yazildi) {
        QString neden = dosya.errorString();
        if (dosya.error() == QFileDevice::NoError)
            neden = QStringLiteral("Dosyanın tamamı yazılamadı (disk dolu olabilir).");
        dosya.cancelWriting();
        throw hata(neden);
    }
    if (!dosya.commit())
        throw hata(dosya.errorString());
}
