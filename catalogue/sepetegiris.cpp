#include "catalogue/sepetegiris.h"

#include "app/common/async.h"
#include "app/common/baglantikontrol.h"
#include "app/common/mesajgoster.h"
#include "app/common/tablo.h"
#include "catalogue/tstokayarinti.h"
#include "server/akisoku.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"

#include <QLabel>
#include <QLocale>
#include <QSpinBox>

#include <array>
#include <cmath>

namespace {

// Cell readers that give an empty value for a column the table lacks.
struct Satir
{
    const ResultTable &t;
    int r;
    int sutun(QStringView ad) const { return t.columnIndex(ad); }
    QString metin(QStringView ad) const
    {
        const int c = sutun(ad);
        return c < 0 ? QString() : t.asString(r, c);
    }
    QString gorunen(QStringView ad) const
    {
        const int c = sutun(ad);
        return c < 0 ? QString() : t.displayText(r, c);
    }
    double sayi(QStringView ad) const
    {
        const int c = sutun(ad);
        return c < 0 ? 0 : t.asDouble(r, c);
    }
    // A number taken as a whole number: rounded, as the money columns may hold 18.0.
    qint32 tamsayi(QStringView ad) const
    {
        const double v = sayi(ad);
        return std::isfinite(v) ? qint32(std::llround(std::clamp(v, -2147483648.0, 2147483647.0))) : 0;
    }
};

bool fiyatYazabilir(int musteriTipi)
{
    return musteriTipi == 1 || musteriTipi == 2;
}

void kampanyaEtiketleri(Tstokayarinti &d, const Satir &s)
{
    d.Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
    d.indirimoran->setText(QStringLiteral("Kampanyalı ") + s.metin(u"INDIRIMYAZI"));
}

void oranlariYukle(Tstokayarinti &d, const Satir &s, const char16_t *const (&adlar)[4])
{
    d.ind1 = s.sayi(adlar[0]);
    d.ind2 = s.sayi(adlar[1]);
    d.ind3 = s.sayi(adlar[2]);
    d.ind4 = s.sayi(adlar[3]);
}

void metinleriYukle(Tstokayarinti &d, const Satir &s, QStringView adSutunu)
{
    d.barkod->setText(s.metin(u"BARKOD"));
    d.adi->setText(s.metin(adSutunu));
    d.marka->setText(s.metin(u"MARKA"));
    d.finishkod->setText(s.metin(u"FINISHKOD"));
    d.model->setText(s.metin(u"MODEL"));
    d.kdvoran = s.sayi(u"KDV");
}

// What the add flow sends, taken when the dialog opens: the list may be
// reloaded while the dialog is up.
struct EklenecekSatir
{
    qint32 stokno = 0;
    QString barkod, adi;
    qint32 kdv = 0;
    double fiyat = 0;
    std::array<double, 4> ind {};
    qint32 k = 0;
};

EklenecekSatir eklenecek(const Satir &s)
{
    return { s.tamsayi(u"STOK_STOKNO"),
             s.metin(u"BARKOD"),
             s.metin(u"ADI"),
             s.tamsayi(u"KDV"),
             s.sayi(u"FIYAT"),
             { s.sayi(u"IND1"), s.sayi(u"IND2"), s.sayi(u"IND3"), s.sayi(u"IND4") },
             s.tamsayi(u"K") };
}

struct DegisecekSatir
{
    qint32 sirano = 0;
    QString barkod, stokadi;
    qint32 kdv = 0;
    std::array<double, 4> ind {};
};

std::optional<double> adetOku(const Tstokayarinti &d)
{
    const QString t = d.adet->cleanText().trimmed();
    bool tamam = false;
    double v = QLocale().toDouble(t, &tamam);
    if (!tamam)
        v = QLocale::c().toDouble(t, &tamam);
    if (!tamam)
        return std::nullopt;
    return v;
}

bool miktarHazir(const Tstokayarinti &d, double &miktar)
{
    const std::optional<double> m = adetOku(d);
    if (!m) {
        GenelHataRaporu(QStringLiteral("'%1' geçerli bir sayı değil").arg(d.adet->cleanText()));
        return false;
    }
    miktar = *m;
    return true;
}

// One remote operation on the main connection; false when it did not run to
// its end (no connection, or an error, which has been reported).
template<class F> bool islem(Connection &bagc, F &&is)
{
    if (!BaglantiKontrol(bagc, true))
        return false;
    try {
        TServerMethods1Client proxy(&bagc);
        is(proxy);
    } catch (...) {
        bagc.close();
        GenelHataRaporu(std::current_exception());
        return false;
    }
    bagc.close();
    return true;
}

QString hataTuru(const std::exception &e)
{
    if (auto *u = dynamic_cast<const wire::RemoteError *>(&e))
        return u->className();
    if (dynamic_cast<const wire::TransportError *>(&e))
        return QStringLiteral("TransportError");
    if (dynamic_cast<const wire::ReplyError *>(&e))
        return QStringLiteral("ReplyError");
    if (dynamic_cast<const wire::HandshakeError *>(&e))
        return QStringLiteral("HandshakeError");
    if (dynamic_cast<const wire::WireError *>(&e))
        return QStringLiteral("WireError");
    return QStringLiteral("Hata");
}

void duzMesaj(const QString &metin, QWidget *ebeveyn)
{
    MesajGoster(metin, -1, { Dugme::Tamam }, Dugme::Tamam, ebeveyn); // no kind: a plain box
}

void eklemeAkisi(SepetBaglami &b, StokKaynagi kaynak, const ResultTable &liste, int satir)
{
    const EklenecekSatir e = eklenecek({ liste, satir });
    Tstokayarinti d(b.ebeveyn);
    ListeSatiriniYukle(d, kaynak, liste, satir, b.sbilgi->FMusteriTipi);
    if (kaynak != StokKaynagi::StokListesi) {
        if (const std::optional<QByteArray> resim = StokResmiAl(*b.bagc, e.stokno, b.ebeveyn))
            if (!d.resimGoster(*resim))
                duzMesaj(QStringLiteral("ResimHatasi: Stok resmi okunamadı"), b.ebeveyn);
    }
    if (d.exec() != QDialog::Accepted)
        return;
    double miktar = 0;
    if (!miktarHazir(d, miktar))
        return;
    qint32 sonuc = 0;
    const TSonucBilgisi &s = *b.sbilgi;
    // The row's own price: a price typed into the dialog never makes a new line.
    if (!islem(*b.bagc, [&](TServerMethods1Client &p) {
            sonuc = p.SepetEkle2(s.KopyaVer(), s.FCARINO, e.stokno, e.barkod, e.adi, miktar, e.kdv, e.fiyat, e.ind[0],
                                 s.FSirano, e.k, e.ind[1], e.ind[2], e.ind[3]);
        }))
        return;
    if (sonuc == 1 && b.sepetYenile)
        b.sepetYenile();
}

} // namespace

void ListeSatiriniYukle(Tstokayarinti &d, StokKaynagi kaynak, const ResultTable &liste, int satir, int musteriTipi)
{
    const Satir s { liste, satir };
    metinleriYukle(d, s, u"ADI");
    d.adet->setValue(1);
    const double k = s.sayi(u"K");
    switch (kaynak) {
    case StokKaynagi::StokListesi:
        d._stokno = s.tamsayi(u"STOK_STOKNO");
        if (k == 0 || k > 0) {
            d.setBirimFiyat(s.sayi(u"FIYAT"));
            oranlariYukle(d, s, { u"IND1", u"IND2", u"IND3", u"IND4" });
            if (k > 0)
                kampanyaEtiketleri(d, s);
            else
                d.indirimoran->setText(QStringLiteral("İndirim: %") + s.metin(u"INDIRIMYAZI"));
        }
        break;
    case StokKaynagi::Yeniler:
        // Rates are not shown for new items; the add still sends the row's.
        if (k == 0 || k > 0) {
            d.setBirimFiyat(s.sayi(u"FIYAT"));
            if (k > 0)
                kampanyaEtiketleri(d, s);
            else
                d.indirimoran->setText(QStringLiteral("İndirim:  % ") + s.metin(u"INDIRIMYAZI"));
        }
        break;
    case StokKaynagi::Kampanyali:
        d.setBirimFiyat(s.sayi(u"FIYAT"));
        kampanyaEtiketleri(d, s);
        break;
    }
    d.setFiyatDuzenlenir(fiyatYazabilir(musteriTipi) && kaynak != StokKaynagi::Kampanyali);
}

void SepetSatiriniYukle(Tstokayarinti &d, const ResultTable &sepet, int satir, int musteriTipi)
{
    const Satir s { sepet, satir };
    metinleriYukle(d, s, u"STOKADI");
    oranlariYukle(d, s, { u"INDIRIMORANI1", u"INDIRIMORANI2", u"INDIRIMORANI3", u"INDIRIMORANI4" });
    d.setBirimFiyat(s.sayi(u"BIRIMFIYAT"));
    d.adet->setValue(s.tamsayi(u"MIKTAR"));
    d.indirimoran->setText(QStringLiteral("İndirim: %") + s.metin(u"INDIRIMYAZI"));
    d._stokno = s.tamsayi(u"STOKNO");
    d.setFiyatDuzenlenir(fiyatYazabilir(musteriTipi));
}

void ListedenSepeteEkle(SepetBaglami &b, StokKaynagi kaynak, ResultTable &liste, int satir)
{
    if (satir < 0 || satir >= liste.rowCount())
        return;
    liste.setCursor(satir);
    const qint32 stokno = Satir { liste, satir }.tamsayi(u"STOK_STOKNO");
    // Loaded means fetched at least once, even when the basket came back empty.
    if (!b.sepet->isOpen() && b.sepetYenile)
        b.sepetYenile();
    if (const int c = b.sepet->columnIndex(u"STOKNO"); c >= 0 && b.sepet->isOpen()) {
        for (int r = 0; r < b.sepet->rowCount(); ++r)
            if (!b.sepet->isNull(r, c) && b.sepet->asInt(r, c) == stokno) {
                SepetSatiriniDegistir(b, r);
                return;
            }
    }
    eklemeAkisi(b, kaynak, liste, satir);
}

void SepetSatiriniDegistir(SepetBaglami &b, int sepetSatiri)
{
    ResultTable &sepet = *b.sepet;
    if (sepetSatiri < 0 || sepetSatiri >= sepet.rowCount())
        return;
    sepet.setCursor(sepetSatiri);
    const Satir s { sepet, sepetSatiri };
    const DegisecekSatir g { s.tamsayi(u"SIRANO"),
                             s.gorunen(u"BARKOD"),
                             s.gorunen(u"STOKADI"),
                             s.tamsayi(u"KDV"),
                             { s.sayi(u"INDIRIMORANI1"), s.sayi(u"INDIRIMORANI2"), s.sayi(u"INDIRIMORANI3"),
                               s.sayi(u"INDIRIMORANI4") } };
    Tstokayarinti d(b.ebeveyn);
    SepetSatiriniYukle(d, sepet, sepetSatiri, b.sbilgi->FMusteriTipi);
    if (d.exec() != QDialog::Accepted)
        return;
    double miktar = 0;
    if (!miktarHazir(d, miktar))
        return;
    const double fiyat = d.birimFiyatDegeri();
    const TSonucBilgisi &bilgi = *b.sbilgi;
    if (!islem(*b.bagc, [&](TServerMethods1Client &p) {
            // The line is named by its number; the server does not read stokno here.
            p.SepetGuncelle2(bilgi.KopyaVer(), bilgi.FCARINO, 0, g.barkod, g.stokadi, miktar, g.kdv, fiyat, g.ind[0],
                             bilgi.FSirano, g.sirano, g.ind[1], g.ind[2], g.ind[3]);
        }))
        return;
    // Also after a refusal: the reload shows the line as the server kept it.
    if (b.sepetYenile)
        b.sepetYenile();
}

bool SepetYukle(Connection &bagc, const TSonucBilgisi &sbilgi, ResultTable &sepet)
{
    ResultTable yeni;
    if (!islem(bagc, [&](TServerMethods1Client &p) { yeni = std::move(*p.SepetVer2(sbilgi.FCARINO)); }))
        return false;
    sepet.loadPacket(std::move(yeni));
    OndalikBicimle(sepet);
    return true;
}

std::optional<QByteArray> StokResmiAl(Connection &bagc, int stokno, QWidget *ebeveyn)
{
    if (!BaglantiKontrol(bagc, true))
        return std::nullopt;
    std::optional<QByteArray> resim;
    try {
        TServerMethods1Client proxy(&bagc);
        qint64 boy = 0;
        QIODevice *akis = proxy.ResimVer5(stokno, boy);
        if (boy != 0)
            resim = AkisOku(akis, boy);
    } catch (const std::exception &e) {
        bagc.close();
        duzMesaj(hataTuru(e) + QStringLiteral(": ") + QString::fromUtf8(e.what()), ebeveyn);
        return std::nullopt;
    }
    bagc.close();
    return resim;
}
