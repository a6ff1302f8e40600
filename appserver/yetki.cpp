#include "appserver/yetki.h"

#include "appserver/rpcerror.h"

namespace appserver {

Kullanici dogrulanmisKullanici(Storage &s, const TSonucBilgisi *kayit)
{
    if (!kayit)
        throw RpcError::server("Oturum bilgisi gönderilmedi");
    const auto k = s.kullanici(kayit->FSirano);
    const auto istasyon = s.istasyonKullanicisi(kayit->FBILGISAYARID.toStdString());
    if (!k || k->aktif != 1 || QString::fromStdString(k->sifre) != kayit->FSIFRE || !istasyon || *istasyon != k->sirano)
        throw RpcError::server("Kullanıcı doğrulanamadı: bu bilgisayar bu kullanıcıya kayıtlı değil ya da "
                               "hesap etkin değil");
    return *k;
}

bool cariyeErisir(Storage &s, const Kullanici &k, int carino)
{
    if (k.tip == 3 || k.tip == 4)
        return carino == k.carino && carino != 0;
    const auto c = s.cari(carino);
    return c && k.temsilcino != 0 && c->temsilcino == k.temsilcino;
}

Kullanici cariIcinYetki(Storage &s, const TSonucBilgisi *kayit, int carino)
{
    Kullanici k = dogrulanmisKullanici(s, kayit);
    if (!cariyeErisir(s, k, carino))
        throw RpcError::server("Bu cari hesap için işlem yetkiniz yok");
    return k;
}

void verenDogrula(const Kullanici &k, int verenid)
{
    if (verenid != k.sirano)
        throw RpcError::server("İşlemi yapan kullanıcı oturumdaki kullanıcı değil");
}

} // namespace appserver
