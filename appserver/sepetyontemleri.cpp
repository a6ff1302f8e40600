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

// The line as the server will store it, or nothing when the amounts make no sense.
std::optional<SepetGirdisi> sepetGirdisi(Cagri &c)
{
    const Kullanici k = cariIcinYetki(c.storage, c.kayit(Bilgim), c.int32(Carino));
    verenDogrula(k, c.int32(Verenid));
    SepetGirdisi g;
    g.carino = c.int32(Carino);
    g.stokno = c.int32(Stokno);
    g.miktar = c.sayi(Miktar);
    g.fiyat = c.sayi(Fiyat);
    g.kdv = c.sayi(Kdv);
    g.oranlar = { c.sayi(Ind1), c.sayi(Ind2), c.sayi(Ind3), c.sayi(Ind4) };
    if (!(g.miktar > 0 && g.miktar <= 1e6) || !(g.fiyat >= 0 && g.fiyat <= 1e9) || !(g.kdv >= 0 && g.kdv <= 100))
        return std::nullopt;
    for (double &r : g.oranlar) {
        if (r > 100)
            return std::nullopt;
        if (r < 0)
            r = 0; // the discount arithmetic skips such a rate; store what applies
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
        const auto g = sepetGirdisi(c);
        y.tamsayi(g ? c.storage.sepetEkle(*g) : 0);
    });
    kat.uygula("SepetGuncelle2", [](Cagri &c, Yanit &y) {
        const auto g = sepetGirdisi(c); // the line is named by _sepetsirano; stokno is not used
        y.tamsayi(g ? c.storage.sepetGuncelle(c.int32(KVeyaSatir), *g) : 0);
    });
    kat.uygula("SepetSatirSil", [](Cagri &c, Yanit &y) {
        const int carino = kayitCarisi(c, 0);
        y.tamsayi(c.storage.sepetSatirSil(carino, c.int32(1)));
    });
    kat.uygula("SepetHepsiniSil", [](Cagri &c, Yanit &y) { y.tamsayi(c.storage.sepetBosalt(kayitCarisi(c, 0))); });

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
