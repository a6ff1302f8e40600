#include "app/girisbilgisi.h"

#include "app/common/baglantikontrol.h"
#include "app/common/makine.h"
#include "app/disip.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"

#include <exception>

namespace {

void kapat(Connection &b) noexcept
{
    try {
        b.close();
    } catch (...) { }
}

} // namespace

GirisSonucu GirisBilgisiAl(Connection &baglanti, const QString &idsi, const std::function<bool()> &devam)
{
    GirisSonucu s;
    if (!BaglantiKontrol(baglanti, false))
        return s;
    try {
        TServerMethods1Client proxy(&baglanti);
        const TSonucBilgisi *kayit = proxy.BuyukGetir(idsi);
        if (!kayit) {
            kapat(baglanti);
            return s;
        }
        s.kayit.Kopyala(*kayit);
    } catch (const std::exception &e) {
        s.hataMetni = QString::fromUtf8(e.what());
        kapat(baglanti);
        return s;
    }
    kapat(baglanti);

    s.kayit.FBilgiSayarAdi = BilgisayarAdiAl();
    s.kayit.FBilgisayarKullanici = KullaniciAdiAl();
    s.kayit.FIcip = IcIpAl();
    s.kayit.FBILGISAYARID = idsi;
    s.kayit.FDisip = DisIpAl(devam);
    s.dogrusonuc = true;
    return s;
}

GirisKarariSonucu GirisKarariVer(bool dogrusonuc, const TSonucBilgisi &kayit, const QString &adi, const QString &sifre)
{
    GirisKarariSonucu s;
    if (!dogrusonuc)
        return s;
    if (kayit.FVersion != ProgramVersiyonu) {
        s.karar = GirisKarari::YeniVersiyon;
        return s;
    }
    if (!kayit.FVarmi) {
        s.karar = GirisKarari::IstekFormu;
        return s;
    }
    s.karar = GirisKarari::Hatali;
    if (kayit.FADI != adi || kayit.FSIFRE != sifre)
        return s;
    s.ayarKaydet = true;
    if (kayit.FAKTIF != 1)
        return s;
    s.karar = GirisKarari::Kabul;
    s.cariSecimi = kayit.FMusteriTipi == 1 || kayit.FMusteriTipi == 2;
    return s;
}
