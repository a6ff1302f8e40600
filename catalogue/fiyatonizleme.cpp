#include "catalogue/fiyatonizleme.h"

#include "app/common/para.h"

FiyatOnizleme FiyatOnizlemeHesapla(double fiyat, int adet, double kdvOrani, const std::array<double, 4> &oranlar)
{
    FiyatOnizleme o;
    const double brut = fiyat * adet;
    double net = brut;
    for (double oran : oranlar)
        if (oran > 0)
            net -= net * oran / 100;
    o.indirimTutari = brut - net;
    o.netTutar = IkiHaneYuvarla(net);
    o.netBirimFiyat = adet != 0 ? IkiHaneYuvarla(o.netTutar / adet) : 0;
    o.kdvDahilBirimFiyat = IkiHaneYuvarla(o.netBirimFiyat * (1 + kdvOrani / 100));
    o.genelTutar = IkiHaneYuvarla(o.kdvDahilBirimFiyat * adet);
    return o;
}
