#include "appserver/rpcerror.h"
#include "appserver/serveroptions.h"
#include "appserver/siparisyolu.h"
#include "appserver/storage.h"
#include "appserver/turkcekatla.h"
#include "appserver/yetki.h"
#include "appserver/yontemkatalogu.h"

#include "server/records/kayitjson.h"

namespace appserver {
namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// The record registered for a workstation; FVarmi false for an unknown one.
TSonucBilgisi oturumKaydi(Storage &s, const std::string &idsi, int surum)
{
    TSonucBilgisi r;
    r.FBILGISAYARID = q(idsi);
    r.FVersion = surum; // also for an unknown machine, so the version check does not fire first
    const auto sirano = s.istasyonKullanicisi(idsi);
    const auto k = sirano ? s.kullanici(*sirano) : std::nullopt;
    if (!k)
        return r;
    r.FVarmi = true;
    r.FSirano = k->sirano;
    r.FADI = q(k->adi);
    r.FSIFRE = q(k->sifre);
    r.FAKTIF = k->aktif;
    r.FMusteriTipi = k->tip;
    r.FKullanicimail = q(k->mail);
    int temsilcino = k->temsilcino;
    if (k->tip == 3 || k->tip == 4) {
        if (const auto c = s.cari(k->carino)) {
            r.FCARINO = c->carino;
            r.Fcarikod = q(c->kod);
            r.FCariAdi = q(c->adi);
            temsilcino = c->temsilcino;
        }
    }
    if (const auto t = s.temsilci(temsilcino)) {
        r.FSaticiNo = t->no;
        r.FSaticiAdi = q(t->adi);
        r.FSaticiMail = q(t->mail);
        r.FSaticiTelefon = q(t->telefon);
    }
    return r;
}

} // namespace

void girisYontemleri(YontemKatalogu &kat)
{
    kat.uygula("BuyukGetir", [](Cagri &c, Yanit &y) {
        y.kayit(kayit::yaz(oturumKaydi(c.storage, c.metin(0), c.options.clientVersion)));
    });

    kat.uygula("StokAraGetir", [](Cagri &c, Yanit &y) {
        const TSonucBilgisi *b = c.kayit(1);
        const Kullanici k = dogrulanmisKullanici(c.storage, b);
        // A representative who has not chosen a customer yet sees list prices.
        const bool secimsiz = b->FCARINO == 0 && (k.tip == 1 || k.tip == 2);
        if (!secimsiz && !cariyeErisir(c.storage, k, b->FCARINO))
            throw RpcError::server("Bu cari hesap için işlem yetkiniz yok");
        y.ham(c.storage.stokAra(katla(kirp(c.metin(0))), b->FCARINO));
    });

    kat.uygula("ResimVer5", [](Cagri &c, Yanit &y) {
        const std::string jpeg = c.storage.resim(c.int32(0));
        y.tamsayi(static_cast<long long>(jpeg.size()));
        y.akim(jpeg);
    });
}

} // namespace appserver
