// The remote methods of TServerMethods1 with their parameters in wire order.
// Form: "Name|param:kind,out param:kind,...|result"; kinds: text int32 int64
// double bool record rows packet stream json none.
#include "appserver/katalogverisi.h"

namespace appserver {

const std::vector<const char *> &katalogSatirlari()
{
    static const std::vector<const char *> satirlar {
        "BuyukGetir|idsi:text|record",
        "StokAraGetir|kod:text,bilgi:record|packet",
        "ResimVer5|stokno:int32,out boy:int64|stream",
        "SepetEkle2|bilgim:record,carino:int32,stokno:int32,barkod:text,stokadi:text,miktar:double,kdv:double,"
        "fiyat:double,ind1:double,verenid:int32,k:int32,ind2:double,ind3:double,ind4:double|int32",
        "SepetVer2|carino:int32|packet",
        "SepetGuncelle2|bilgim:record,carino:int32,stokno:int32,barkod:text,stokadi:text,miktar:double,kdv:double,"
        "fiyat:double,ind1:double,verenid:int32,_sepetsirano:int32,ind2:double,ind3:double,ind4:double|int32",
        "SepetSatirSil|bilgi:record,satirno:int32,aciklamam:text|int32",
        "SepetHepsiniSil|bilgi:record|int32",
        "SepetSecimGuncelle|sirano:int32,secim:int32|none",
        "CariVadeGunGecmismiBul|carino:int32|text",
        "TeslimVer||rows",
        "KargoVer||rows",
        "KargolarVer|gn:int32|rows",
        "SiparisKaydet|BB:record,_carino:int32,_teslim:int32,_kargo:int32,_aciklama:text,_verenid:int32,"
        "_kargoyeni:int32|bool",
        "YenilerVer2|carino:int32|packet",
        "KampanyaliVer2|cario:int32,satici:int32|packet",
        "AcilisEkranlarVer2||record",
        "CariEkstreVer|carino:int32|rows",
        "OncekiSiparisler|carino:int32|rows",
        "SiparisAyrintisi2|carino:int32,idnosu:int32|rows",
        "SiparisAytintisiDip|carino:int32,siranosu:int32|record",
        "FaturaGetir|carino:int32,idnosu:int32|rows",
        "FaturaAltGetir|idnosu:int32|rows",
        "Tahsilat|idnosu:int32|rows",
        "SanalposSiranoVer|idnosu:int32|int32",
        "SAnalPosPdfVer|sirano:int32,out boy:int64|stream",
        "BakiyelerVer2|carino:int32|rows",
        "BakiyeDuzenle|k:record,stokno:int32,sepetsirano:int32,siparissirano:int32,Adet:double,Bakiye:double,"
        "barkod:text|int32",
        "BakiyeDegistir|k:record,stokno:int32,sepetsirano:int32,siparissirano:int32,Adet:double,Bakiye:double,"
        "barkod:text|int32",
        "BakiyeFiyatDegistir|k:record,stokno:int32,sepetsirano:int32,siparissirano:int32,Adet:double,"
        "Bakiye:double,barkod:text,fiyat:double,ind:double|int32",
        "TumSiparislerVer|carino:int32,stokno:int32|rows",
        "RaporAlinanSiparisler|bilgi:record,tarih1:double,tarih2:double|rows",
        "RaporEnCokSatilanStoklar|bilgi:record,tarih1:double,tarih2:double|rows",
        "CariAra|bil:record,aranan:text|rows",
        "CariSepetVer|bil:record,n:int32|rows",
        "SepetSayisi|bil:record|int32",
        "TusSonuclariVer|bil:record|record",
        "RaporGetir|raporno:int32,bolum:int32,idno:int32,carino:int32,saticiadi:text,tarih1:double,tarih2:double,"
        "out size:int64|stream",
        "KayanYaziGetir||text",
        "BannerResimVer|out size:int64|stream",
        "BannerResimVer2|out size:int64|stream",
        "BannerResimVer3|out size:int64|stream",
        "BalonGetir|bil:record|rows",
        "AcilisReklamAdet||int32",
        "AcilisREklamVer|sira:int32|record",
        "MobilCariBilgisiGetir|sirano:int32,_idsi:text|record",
        "MailGonserCari|idsi:text,baslik:text,firmaadi:text,adres1:text,adres2:text,ilce:text,sehir:text,"
        "telefon:text,fax:text,vd:text,vn:text,yetkili:text,kullaniciadi:text,sifre:text,mail:text,"
        "kargoambar:text|int32",
        "MailGonserCariNormal|idsi:text,baslik:text,firmaadi:text,adres1:text,adres2:text,ilce:text,sehir:text,"
        "telefon:text,fax:text,vd:text,vn:text,yetkili:text,kullaniciadi:text,sifre:text,mail:text,"
        "kargoambar:text,konu:text|int32",
    };
    return satirlar;
}

const std::vector<const char *> &imzasizYontemler()
{
    static const std::vector<const char *> adlar {
        "DSServerModuleCreate",
        "EchoString",
        "ReverseString",
        "StokAra",
        "SepetVer",
        "OncekiSiparisler2",
        "CariEkstreVer2",
        "CariEkstreVer2Baslik",
        "YenilerVer",
        "PirnaYenilerVer",
        "YenilerVerMobile",
        "KampanyaliVer",
        "PirnaKampanyaliVer",
        "KampanyaliVermMobil",
        "DuyuruVer",
        "DuyuruVer2",
        "BakiyelerVer",
        "ResimVer6",
        "StokAraVokra",
        "StokAraMesdil2",
        "Lodvik",
        "StokAraPirna",
        "StokAraMesdil",
        "SepetEkle",
        "SepetGuncelle",
        "CikisGonder",
        "Oncekiler",
        "SiparisAyrintisi",
        "DosyaIndir",
        "BelgeIndir",
        "BelgeIndir2",
        "KurlariAl",
        "MobilStokara",
        "MobilStokNoAra",
        "SepetMobilVer",
        "AcilisEkranlarVer",
        "MobilStokaraGeri",
        "MobilStokaraAdimli",
        "DepartmanlariGetir",
        "PirnadeAra",
        "DosyaListesi",
        "DosyaListesi2",
        "AcilisEkranlariVerData",
        "BuyukResimVer",
        "HttpResimVer",
        "KucukResimVer",
        "SifremiUnuttum",
        "BalonGetir2",
        "MobilSiparisKaydet",
        "AramaGonderAl",
        "CarileriVer",
        "SorvaneVer",
        "SiparisAlinirmi",
        "CariDurumVer",
    };
    return adlar;
}

} // namespace appserver
