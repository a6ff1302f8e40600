#pragma once
// The main window's login step against a real tarnevooto-server: the session
// record the server keeps for this workstation (registered by the test), its
// user kind replaced when a test asks for another.

#include "app/common/baglantikontrol.h"
#include "app/common/makine.h"
#include "app/tform1.h"
#include "server/tservermethods1client.h"

inline void SunucudanGirisKur(quint16 port, int tip = 0)
{
    TForm1::setGirisAdimi([port, tip](Connection &bagc, TSonucBilgisi &sbilgi) {
        bagc.setParam(QStringLiteral("Port"), QString::number(port));
        if (!BaglantiKontrol(bagc, false))
            return false;
        {
            TServerMethods1Client proxy(&bagc);
            sbilgi.Kopyala(*proxy.BuyukGetir(BilgisayarIdAl()));
        }
        bagc.close();
        sbilgi.FDisip = QStringLiteral("127.0.0.1");
        if (tip)
            sbilgi.FMusteriTipi = tip;
        return true;
    });
}
