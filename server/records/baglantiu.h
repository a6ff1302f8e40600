#pragma once
// Records of the session and the order footer and pipeline counts, module "baglantiu".
// Fields keep the wire names with their leading F; the Q_PROPERTY without F is
// what the JSON form walks, in declaration order.

#include "server/records/kopyalanir.h"

#include <QObject>
#include <QString>

struct TSonucBilgisi : public Kopyalanir<TSonucBilgisi>
{
    Q_GADGET
    Q_CLASSINFO("module", "baglantiu")
    Q_PROPERTY(QString BILGISAYARID MEMBER FBILGISAYARID)
    Q_PROPERTY(QString SaticiMail MEMBER FSaticiMail)
    Q_PROPERTY(qint32 Sirano MEMBER FSirano)
    Q_PROPERTY(QString CariAdi MEMBER FCariAdi)
    Q_PROPERTY(QString SIFRE MEMBER FSIFRE)
    Q_PROPERTY(qint32 SaticiNo MEMBER FSaticiNo)
    Q_PROPERTY(qint32 CARINO MEMBER FCARINO)
    Q_PROPERTY(qint32 AKTIF MEMBER FAKTIF)
    Q_PROPERTY(QString Kullanicimail MEMBER FKullanicimail)
    Q_PROPERTY(QString ADI MEMBER FADI)
    Q_PROPERTY(QString SaticiTelefon MEMBER FSaticiTelefon)
    Q_PROPERTY(QString carikod MEMBER Fcarikod)
    Q_PROPERTY(bool Varmi MEMBER FVarmi)
    Q_PROPERTY(QString SaticiAdi MEMBER FSaticiAdi)
    Q_PROPERTY(QString BilgiSayarAdi MEMBER FBilgiSayarAdi)
    Q_PROPERTY(QString Disip MEMBER FDisip)
    Q_PROPERTY(QString Icip MEMBER FIcip)
    Q_PROPERTY(QString BilgisayarKullanici MEMBER FBilgisayarKullanici)
    Q_PROPERTY(qint32 MusteriTipi MEMBER FMusteriTipi)
    Q_PROPERTY(qint32 Version MEMBER FVersion)

public:
    QString FBILGISAYARID;
    QString FSaticiMail;
    qint32 FSirano = 0;
    QString FCariAdi;
    QString FSIFRE;
    qint32 FSaticiNo = 0;
    qint32 FCARINO = 0;
    qint32 FAKTIF = 0;
    QString FKullanicimail;
    QString FADI;
    QString FSaticiTelefon;
    QString Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi;
    QString FBilgiSayarAdi;
    QString FDisip;
    QString FIcip;
    QString FBilgisayarKullanici;
    qint32 FMusteriTipi = 1;
    qint32 FVersion = 1;

    friend bool operator==(const TSonucBilgisi &, const TSonucBilgisi &) = default;
};

struct TSiparisDipAyrinti : public Kopyalanir<TSiparisDipAyrinti>
{
    Q_GADGET
    Q_CLASSINFO("module", "baglantiu")
    Q_PROPERTY(QString SizinMesaj MEMBER FSizinMesaj)
    Q_PROPERTY(QString Durumu MEMBER FDurumu)
    Q_PROPERTY(QString Veren MEMBER FVeren)
    Q_PROPERTY(QString Kargo MEMBER FKargo)
    Q_PROPERTY(QString BizimMesaj MEMBER FBizimMesaj)
    Q_PROPERTY(QString TeslimCinsi MEMBER FTeslimCinsi)
    Q_PROPERTY(QString KargoCinsi MEMBER FKargoCinsi)
    Q_PROPERTY(QString SaticiNotu MEMBER FSaticiNotu)

public:
    QString FSizinMesaj;
    QString FDurumu;
    QString FVeren;
    QString FKargo;
    QString FBizimMesaj;
    QString FTeslimCinsi;
    QString FKargoCinsi;
    QString FSaticiNotu;

    friend bool operator==(const TSiparisDipAyrinti &, const TSiparisDipAyrinti &) = default;
};

struct TTusSonuclari : public Kopyalanir<TTusSonuclari>
{
    Q_GADGET
    Q_CLASSINFO("module", "baglantiu")
    Q_PROPERTY(qint32 Alindi MEMBER FAlindi)
    Q_PROPERTY(qint32 Onaylandi MEMBER FOnaylandi)
    Q_PROPERTY(qint32 ParcaliHazirlandi MEMBER FParcaliHazirlandi)
    Q_PROPERTY(qint32 SevkEdildi MEMBER FSevkEdildi)
    Q_PROPERTY(qint32 Hazirlandi MEMBER FHazirlandi)
    Q_PROPERTY(qint32 Goruldu MEMBER FGoruldu)

public:
    qint32 FAlindi = 0;
    qint32 FOnaylandi = 0;
    qint32 FParcaliHazirlandi = 0;
    qint32 FSevkEdildi = 0;
    qint32 FHazirlandi = 0;
    qint32 FGoruldu = 0;

    friend bool operator==(const TTusSonuclari &, const TTusSonuclari &) = default;
};
