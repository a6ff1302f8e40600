#pragma once
// Mobile and start-screen records, module "mobilstokunit". Date fields hold a
// day count from 1899-12-30 as a double, like every date on the wire.

#include "server/records/kopyalanir.h"

#include <QList>
#include <QObject>
#include <QString>

struct TAcilisEkran
{
    Q_GADGET
    Q_CLASSINFO("module", "mobilstokunit")
    Q_PROPERTY(qint32 SiraNo MEMBER FSiraNo)
    Q_PROPERTY(QString Resim MEMBER FResim)
    Q_PROPERTY(QString Baslik MEMBER FBaslik)
    Q_PROPERTY(QString Arama MEMBER FArama)

public:
    qint32 FSiraNo = 0;
    QString FResim;
    QString FBaslik;
    QString FArama;

    friend bool operator==(const TAcilisEkran &, const TAcilisEkran &) = default;
};

struct TAcilisEkranlariki
{
    Q_GADGET
    Q_CLASSINFO("module", "mobilstokunit")
    Q_PROPERTY(QList<TAcilisEkran> Ekranlar MEMBER FEkranlar)

public:
    QList<TAcilisEkran> FEkranlar;

    friend bool operator==(const TAcilisEkranlariki &, const TAcilisEkranlariki &) = default;
};

struct TMobilCariBilgisi : public Kopyalanir<TMobilCariBilgisi>
{
    Q_GADGET
    Q_CLASSINFO("module", "mobilstokunit")
    Q_PROPERTY(QString BILGISAYARID MEMBER FBILGISAYARID)
    Q_PROPERTY(QString SEHIR MEMBER FSEHIR)
    Q_PROPERTY(QString FAX1 MEMBER FFAX1)
    Q_PROPERTY(QString SATICIMAIL MEMBER FSATICIMAIL)
    Q_PROPERTY(QString SATICIADI MEMBER FSATICIADI)
    Q_PROPERTY(QString CARIADI MEMBER FCARIADI)
    Q_PROPERTY(QString EMAIL MEMBER FEMAIL)
    Q_PROPERTY(QString VERGIDAIRESI MEMBER FVERGIDAIRESI)
    Q_PROPERTY(QString YETKILI MEMBER FYETKILI)
    Q_PROPERTY(QString AltGrup MEMBER FAltGrup)
    Q_PROPERTY(QString TEL2 MEMBER FTEL2)
    Q_PROPERTY(QString SIFRE MEMBER FSIFRE)
    Q_PROPERTY(QString GSM MEMBER FGSM)
    Q_PROPERTY(QString TEL1 MEMBER FTEL1)
    Q_PROPERTY(QString ADRES2 MEMBER FADRES2)
    Q_PROPERTY(double TLBORC MEMBER FTLBORC)
    Q_PROPERTY(double TLALACAK MEMBER FTLALACAK)
    Q_PROPERTY(QString ADRES1 MEMBER FADRES1)
    Q_PROPERTY(QString ULKE MEMBER FULKE)
    Q_PROPERTY(QString AnaGrup MEMBER FAnaGrup)
    Q_PROPERTY(qint32 CARINO MEMBER FCARINO)
    Q_PROPERTY(double TLBAKIYE MEMBER FTLBAKIYE)
    Q_PROPERTY(QString VERGINO MEMBER FVERGINO)
    Q_PROPERTY(QString MAIL MEMBER FMAIL)
    Q_PROPERTY(QString OzelKod MEMBER FOzelKod)
    Q_PROPERTY(QString KULLANICIADI MEMBER FKULLANICIADI)
    Q_PROPERTY(QString SATICITELEFON MEMBER FSATICITELEFON)
    Q_PROPERTY(QString CARIKOD MEMBER FCARIKOD)
    Q_PROPERTY(QString FAX2 MEMBER FFAX2)
    Q_PROPERTY(QString ILCE MEMBER FILCE)

public:
    QString FBILGISAYARID;
    QString FSEHIR;
    QString FFAX1;
    QString FSATICIMAIL;
    QString FSATICIADI;
    QString FCARIADI;
    QString FEMAIL;
    QString FVERGIDAIRESI;
    QString FYETKILI;
    QString FAltGrup;
    QString FTEL2;
    QString FSIFRE;
    QString FGSM;
    QString FTEL1;
    QString FADRES2;
    double FTLBORC = 0;
    double FTLALACAK = 0;
    QString FADRES1;
    QString FULKE;
    QString FAnaGrup;
    qint32 FCARINO = 0;
    double FTLBAKIYE = 0;
    QString FVERGINO;
    QString FMAIL;
    QString FOzelKod;
    QString FKULLANICIADI;
    QString FSATICITELEFON;
    QString FCARIKOD;
    QString FFAX2;
    QString FILCE;

    friend bool operator==(const TMobilCariBilgisi &, const TMobilCariBilgisi &) = default;
};

struct TMobilStok : public Kopyalanir<TMobilStok>
{
    Q_GADGET
    Q_CLASSINFO("module", "mobilstokunit")
    Q_PROPERTY(qint32 StokNo MEMBER FStokNo)
    Q_PROPERTY(qint32 ResimVar MEMBER FResimVar)
    Q_PROPERTY(QString Resim MEMBER FResim)
    Q_PROPERTY(qint32 Yeni MEMBER FYeni)
    Q_PROPERTY(QString Departman MEMBER FDepartman)
    Q_PROPERTY(double VerilenSiparis MEMBER FVerilenSiparis)
    Q_PROPERTY(QString AltGrup MEMBER FAltGrup)
    Q_PROPERTY(qint32 Durum MEMBER FDurum)
    Q_PROPERTY(QString Renk MEMBER FRenk)
    Q_PROPERTY(QString Birim MEMBER FBirim)
    Q_PROPERTY(double KDV MEMBER FKDV)
    Q_PROPERTY(double AlinanSiparis MEMBER FAlinanSiparis)
    Q_PROPERTY(double Isk2 MEMBER FIsk2)
    Q_PROPERTY(QString AnaGrup MEMBER FAnaGrup)
    Q_PROPERTY(QString Kod MEMBER FKod)
    Q_PROPERTY(double Isk3 MEMBER FIsk3)
    Q_PROPERTY(double ListeFiyati MEMBER FListeFiyati)
    Q_PROPERTY(QString Beden MEMBER FBeden)
    Q_PROPERTY(double NetFiyat MEMBER FNetFiyat)
    Q_PROPERTY(double Isk1 MEMBER FIsk1)
    Q_PROPERTY(double KDVliFiyat MEMBER FKDVliFiyat)
    Q_PROPERTY(double Isk4 MEMBER FIsk4)
    Q_PROPERTY(QString OzelKod MEMBER FOzelKod)
    Q_PROPERTY(qint32 Kampnayali MEMBER FKampnayali)
    Q_PROPERTY(QString Barkod MEMBER FBarkod)
    Q_PROPERTY(double IndirimOran MEMBER FIndirimOran)
    Q_PROPERTY(double Kalan MEMBER FKalan)
    Q_PROPERTY(QString UreticiKod MEMBER FUreticiKod)
    Q_PROPERTY(double KampanyaliFiyat MEMBER FKampanyaliFiyat)
    Q_PROPERTY(QString OemNo MEMBER FOemNo)
    Q_PROPERTY(qint32 BarkodNo MEMBER FBarkodNo)
    Q_PROPERTY(QString PKod MEMBER FPKod)
    Q_PROPERTY(QString DpKod MEMBER FDpKod)
    Q_PROPERTY(QString Adi MEMBER FAdi)
    Q_PROPERTY(double Fiyat MEMBER FFiyat)

public:
    qint32 FStokNo = 0;
    qint32 FResimVar = 0;
    QString FResim;
    qint32 FYeni = 0;
    QString FDepartman;
    double FVerilenSiparis = 0;
    QString FAltGrup;
    qint32 FDurum = 0;
    QString FRenk;
    QString FBirim = QStringLiteral("ADET");
    double FKDV = 18;
    double FAlinanSiparis = 0;
    double FIsk2 = 0;
    QString FAnaGrup;
    QString FKod;
    double FIsk3 = 0;
    double FListeFiyati = 0;
    QString FBeden;
    double FNetFiyat = 0;
    double FIsk1 = 0;
    double FKDVliFiyat = 0;
    double FIsk4 = 0;
    QString FOzelKod;
    qint32 FKampnayali = 0;
    QString FBarkod;
    double FIndirimOran = 0;
    double FKalan = 0;
    QString FUreticiKod;
    double FKampanyaliFiyat = 0;
    QString FOemNo;
    qint32 FBarkodNo = 0;
    QString FPKod;
    QString FDpKod;
    QString FAdi;
    double FFiyat = 0;

    friend bool operator==(const TMobilStok &, const TMobilStok &) = default;
};

struct TMobilSepet : public Kopyalanir<TMobilSepet>
{
    Q_GADGET
    Q_CLASSINFO("module", "mobilstokunit")
    Q_PROPERTY(qint32 KARGOID MEMBER FKARGOID)
    Q_PROPERTY(qint32 StokNo MEMBER FStokNo)
    Q_PROPERTY(double TARIH MEMBER FTARIH)
    Q_PROPERTY(qint32 SIRANO MEMBER FSIRANO)
    Q_PROPERTY(QString CARIADI MEMBER FCARIADI)
    Q_PROPERTY(double VERILISTARIHI MEMBER FVERILISTARIHI)
    Q_PROPERTY(qint32 Durum MEMBER FDurum)
    Q_PROPERTY(double MIKTAR MEMBER FMIKTAR)
    Q_PROPERTY(qint32 VERENIDNO MEMBER FVERENIDNO)
    Q_PROPERTY(double NETTUTAR MEMBER FNETTUTAR)
    Q_PROPERTY(double KDVLITUTAR MEMBER FKDVLITUTAR)
    Q_PROPERTY(double KDV MEMBER FKDV)
    Q_PROPERTY(qint32 AKTAR MEMBER FAKTAR)
    Q_PROPERTY(QString SAAT MEMBER FSAAT)
    Q_PROPERTY(double VERGITUTARI MEMBER FVERGITUTARI)
    Q_PROPERTY(QString PKod MEMBER FPKod)
    Q_PROPERTY(QString MODEL MEMBER FMODEL)
    Q_PROPERTY(double INDIRIMTUTAR MEMBER FINDIRIMTUTAR)
    Q_PROPERTY(qint32 STOK_STOKNO MEMBER FSTOK_STOKNO)
    Q_PROPERTY(double BIRIMFIYAT MEMBER FBIRIMFIYAT)
    Q_PROPERTY(qint32 SEC MEMBER FSEC)
    Q_PROPERTY(QString OEM2 MEMBER FOEM2)
    Q_PROPERTY(QString OEM3 MEMBER FOEM3)
    Q_PROPERTY(QString AnaGrup MEMBER FAnaGrup)
    Q_PROPERTY(QString MARKA MEMBER FMARKA)
    Q_PROPERTY(QString VEREN MEMBER FVEREN)
    Q_PROPERTY(QString STOKADI MEMBER FSTOKADI)
    Q_PROPERTY(QString OEM1 MEMBER FOEM1)
    Q_PROPERTY(qint32 CARINO MEMBER FCARINO)
    Q_PROPERTY(qint32 VERENSIRANO MEMBER FVERENSIRANO)
    Q_PROPERTY(qint32 ACIKLAMA MEMBER FACIKLAMA)
    Q_PROPERTY(double INDIRIMORANI2 MEMBER FINDIRIMORANI2)
    Q_PROPERTY(QString OEM4 MEMBER FOEM4)
    Q_PROPERTY(QString KUR MEMBER FKUR)
    Q_PROPERTY(double INDIRIMORANI3 MEMBER FINDIRIMORANI3)
    Q_PROPERTY(qint32 SIPARISNO MEMBER FSIPARISNO)
    Q_PROPERTY(double IDNO MEMBER FIDNO)
    Q_PROPERTY(QString OzelKod MEMBER FOzelKod)
    Q_PROPERTY(QString DpKod MEMBER FDpKod)
    Q_PROPERTY(double KURTL MEMBER FKURTL)
    Q_PROPERTY(double INDIRIMORANI1 MEMBER FINDIRIMORANI1)
    Q_PROPERTY(QString DIGERADI MEMBER FDIGERADI)
    Q_PROPERTY(QString Barkod MEMBER FBarkod)
    Q_PROPERTY(double TUTAR MEMBER FTUTAR)
    Q_PROPERTY(QString URETICIKODU MEMBER FURETICIKODU)
    Q_PROPERTY(double Kalan MEMBER FKalan)
    Q_PROPERTY(QString FINISHKOD MEMBER FFINISHKOD)
    Q_PROPERTY(QString CARIKOD MEMBER FCARIKOD)
    Q_PROPERTY(double NETBIRIMFIYAT MEMBER FNETBIRIMFIYAT)
    Q_PROPERTY(QString OemNo MEMBER FOemNo)
    Q_PROPERTY(qint32 TESLIMID MEMBER FTESLIMID)
    Q_PROPERTY(qint32 ResimVar MEMBER FResimVar)
    Q_PROPERTY(QString Resim MEMBER FResim)

public:
    qint32 FKARGOID = 0;
    qint32 FStokNo = 0;
    double FTARIH = 0;
    qint32 FSIRANO = 0;
    QString FCARIADI;
    double FVERILISTARIHI = 0;
    qint32 FDurum = 0;
    double FMIKTAR = 0;
    qint32 FVERENIDNO = 0;
    double FNETTUTAR = 0;
    double FKDVLITUTAR = 0;
    double FKDV = 0;
    qint32 FAKTAR = 0;
    QString FSAAT;
    double FVERGITUTARI = 0;
    QString FPKod;
    QString FMODEL;
    double FINDIRIMTUTAR = 0;
    qint32 FSTOK_STOKNO = 0;
    double FBIRIMFIYAT = 0;
    qint32 FSEC = 0;
    QString FOEM2;
    QString FOEM3;
    QString FAnaGrup;
    QString FMARKA;
    QString FVEREN;
    QString FSTOKADI;
    QString FOEM1;
    qint32 FCARINO = 0;
    qint32 FVERENSIRANO = 0;
    qint32 FACIKLAMA = 0;
    double FINDIRIMORANI2 = 0;
    QString FOEM4;
    QString FKUR;
    double FINDIRIMORANI3 = 0;
    qint32 FSIPARISNO = 0;
    double FIDNO = 0;
    QString FOzelKod;
    QString FDpKod;
    double FKURTL = 0;
    double FINDIRIMORANI1 = 0;
    QString FDIGERADI;
    QString FBarkod;
    double FTUTAR = 0;
    QString FURETICIKODU;
    double FKalan = 0;
    QString FFINISHKOD;
    QString FCARIKOD;
    double FNETBIRIMFIYAT = 0;
    QString FOemNo;
    qint32 FTESLIMID = 0;
    qint32 FResimVar = 0;
    QString FResim;

    friend bool operator==(const TMobilSepet &, const TMobilSepet &) = default;
};


// The owning lists: a list of values owns its records; dropping the list drops them.
using TAcilisEkranlar = QList<TAcilisEkran>;
using TMobilStoklar = QList<TMobilStok>;
using TMobilSepetler = QList<TMobilSepet>;
