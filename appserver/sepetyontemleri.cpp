#include "appserver/serveroptions.h"
#include "appserver/siparisyolu.h"
#include "appserver/storage.h"
#include "appserver/yetki.h"
#include "appserver/yontemkatalogu.h"

#include <QDateTime>

namespace appserver {
namespace {

// Positions shared by SepetEkle2 and SepetGuncelle2.
enum : int { Bilgim, Carino, Stokno, Barkod, Stokadi, Miktar, Kdv, Fiyat, Ind1, Verenid, KVeyaSatir, Ind2, Ind3, Ind4 };

int bugun()
{
    return int(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

std::string simdi()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
}

// The line as the caller asks for it, or nothing when the quantity makes no
// sense. The texts, VAT, rates and the K flag sent are not used: the server
// takes them from the catalogue. Only a representative (kinds 1, 2) may set the
// unit price of an existing line.
std::optional<SepetGirdisi> sepetGirdisi(Cagri &c, bool degisiklik)
{
    const Kullanici k = cariIcinYetki(c.storage, c.kayit(Bilgim), c.int32(Carino));
    verenDogrula(k, c.int32(Verenid));
    SepetGirdisi g;
    g.carino = c.int32(Carino);
    g.stokno = c.int32(Stokno);
    g.miktar = c.sayi(Miktar);
    if (!(g.miktar > 0 && g.miktar <= 1e6))
        return std::nullopt;
    if (degisiklik && (k.tip == 1 || k.tip == 2)) {
        const double fiyat = c.sayi(Fiyat);
        if (!(fiyat >= 0 && fiyat <= 1e9))
            return std::nullopt;
        g.fiyat = fiyat;
    }
    g.verenid = k.sirano;
    g.veren = k.adi;
    g.tarih = bugun();
    g.saat = simdi();
    return g;
}

int kayitCarisi(Cagri &c, int i)
{
    const TSonucBilgisi *b = c.kayit(i);
    cariIcinYetki(c.storage, b, b ? b->FCARINO : 0);
    return b->FCARINO;
}

} // namespace

void sepetYontemleri(YontemKatalogu &kat)
{
    // SepetVer2 and SepetSecimGuncelle carry no session record, so they cannot be checked.
    kat.uygula("SepetVer2", [](Cagri &c, Yanit &y) { y.ham(c.storage.sepet(c.int32(0))); });
    kat.uygula("SepetSecimGuncelle", [](Cagri &c, Yanit &) { c.storage.sepetSecim(c.int32(0), c.int32(1)); });

    kat.uygula("SepetEkle2", [](Cagri &c, Yanit &y) {
        const auto g = sepetGirdisi(c, false);
        y.tamsayi(g ? c.storage.sepetEkle(*g) : 0);
    });
    kat.uygula("SepetGuncelle2", [](Cagri &c, Yanit &y) {
        const auto g = sepetGirdisi(c, true); // the line is named by _sepetsirano; stokno is not used
        y.tamsayi(g ? c.storage.sepetGuncelle(c.int32(KVeyaSatir), *g) : 0);
    });
    kat.uygula("SepetSatirSil", [](Cagri &c, Yanit &y) {
        const int carino = kayitCarisi(c, 0);
        y.tamsayi(c.storage.sepetSatirSil(carino, c.int32(1)));
    });
    kat.uygula("SepetHepsiniSil", [](Cagri &c, Yanit &y) { y.tamsayi(c.storage.sepetBosalt(kayitCarisi(c, 0))); });

    // No session record either; the text is shown as it comes.
    kat.uygula("CariVadeGunGecmismiBul", [](Cagri &c, Yanit &y) {
        const int gun = bugun();
        const auto v = c.storage.vadesiGecmis(c.int32(0), gun);
        y.metin(v ? "Vadesi geçmiş bakiyeniz bulunmaktadır: " + tlBicimle(v->tutar) + " TL ("
                        + std::to_string(gun - v->enEskiVade) + " gün)"
                  : std::string());
    });

    kat.uygula("TeslimVer", [](Cagri &c, Yanit &y) { y.ham(c.storage.teslimTurleri()); });
    kat.uygula("KargoVer", [](Cagri &c, Yanit &y) { y.ham(c.storage.kargoTurleri()); });
    kat.uygula("KargolarVer", [](Cagri &c, Yanit &y) { y.ham(c.storage.kargoFirmalari(c.int32(0))); });

    kat.uygula("SiparisKaydet", [](Cagri &c, Yanit &y) {
        const Kullanici k = cariIcinYetki(c.storage, c.kayit(0), c.int32(1));
        verenDogrula(k, c.int32(5));
        SiparisGirdisi g;
        g.carino = c.int32(1);
        g.teslim = c.int32(2);
        g.kargo = c.int32(3);
        g.aciklama = c.metin(4); // kept byte for byte, line breaks included
        g.verenid = k.sirano;
        g.kargoFirma = c.int32(6);
        g.tarih = bugun();
        g.saat = simdi();
        y.mantik(c.storage.siparisKaydet(g));
    });
}

} // namespace appserver
