#pragma once
// The proxy of the server class TServerMethods1: one operation per server
// method the client calls, parameters in wire order. A record argument is
// consumed by the call; results (tables, records, streams) belong to the
// proxy and stay valid until it is destroyed. Made for one operation on an
// open connection, used by one thread. Errors are the wire::WireError family.

#include "platform/wire/wireerror.h"
#include "server/records/baglantiu.h"
#include "server/records/mobilstokunit.h"
#include "server/resulttable.h"

#include <QString>

#include <memory>
#include <vector>

class Connection;
class QIODevice;
class ProxyCall;

using SonucBilgisiPtr = std::unique_ptr<TSonucBilgisi>;

class TServerMethods1Client
{
public:
    // Throws wire::WireError "Connection cannot be nil.  Make sure the
    // connection has been opened." when the connection is null or closed.
    explicit TServerMethods1Client(Connection *connection);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    TSonucBilgisi *BuyukGetir(const QString &idsi);
    ResultTable *StokAraGetir(const QString &kod, SonucBilgisiPtr bilgi);
    QIODevice *ResimVer5(qint32 stokno, qint64 &boy);
    qint32 SepetEkle2(SonucBilgisiPtr bilgim, qint32 carino, qint32 stokno, const QString &barkod,
                      const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, qint32 verenid,
                      qint32 k, double ind2, double ind3, double ind4);
    ResultTable *SepetVer2(qint32 carino);
    qint32 SepetGuncelle2(SonucBilgisiPtr bilgim, qint32 carino, qint32 stokno, const QString &barkod,
                          const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, qint32 verenid,
                          qint32 _sepetsirano, double ind2, double ind3, double ind4);
    qint32 SepetSatirSil(SonucBilgisiPtr bilgi, qint32 satirno, const QString &aciklamam);
    qint32 SepetHepsiniSil(SonucBilgisiPtr bilgi);
    void SepetSecimGuncelle(qint32 sirano, qint32 secim);
    QString CariVadeGunGecmismiBul(qint32 carino);
    ResultTable *TeslimVer();
    ResultTable *KargoVer();
    ResultTable *KargolarVer(qint32 gn);
    bool SiparisKaydet(SonucBilgisiPtr BB, qint32 _carino, qint32 _teslim, qint32 _kargo, const QString &_aciklama,
                       qint32 _verenid, qint32 _kargoyeni);
    ResultTable *YenilerVer2(qint32 carino);
    ResultTable *KampanyaliVer2(qint32 cario, qint32 satici);
    TAcilisEkranlariki *AcilisEkranlarVer2();
    ResultTable *CariEkstreVer(qint32 carino);
    ResultTable *OncekiSiparisler(qint32 carino);
    ResultTable *SiparisAyrintisi2(qint32 carino, qint32 idnosu);
    TSiparisDipAyrinti *SiparisAytintisiDip(qint32 carino, qint32 siranosu);
    ResultTable *FaturaGetir(qint32 carino, qint32 idnosu);
    ResultTable *FaturaAltGetir(qint32 idnosu);
    ResultTable *Tahsilat(qint32 idnosu);
    qint32 SanalposSiranoVer(qint32 idnosu);
    QIODevice *SAnalPosPdfVer(qint32 sirano, qint64 &boy);
    ResultTable *BakiyelerVer2(qint32 carino);
    qint32 BakiyeDuzenle(SonucBilgisiPtr k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet,
                         double Bakiye, const QString &barkod);
    qint32 BakiyeDegistir(SonucBilgisiPtr k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet,
                          double Bakiye, const QString &barkod);
    qint32 BakiyeFiyatDegistir(SonucBilgisiPtr k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet,
                               double Bakiye, const QString &barkod, double fiyat, double ind);
    ResultTable *TumSiparislerVer(qint32 carino, qint32 stokno);
    ResultTable *RaporAlinanSiparisler(SonucBilgisiPtr bilgi, double tarih1, double tarih2);
    ResultTable *RaporEnCokSatilanStoklar(SonucBilgisiPtr bilgi, double tarih1, double tarih2);
    ResultTable *CariAra(SonucBilgisiPtr bil, const QString &aranan);
    ResultTable *CariSepetVer(SonucBilgisiPtr bil, qint32 n);
    qint32 SepetSayisi(SonucBilgisiPtr bil);
    TTusSonuclari *TusSonuclariVer(SonucBilgisiPtr bil);
    QIODevice *RaporGetir(qint32 raporno, qint32 bolum, qint32 idno, qint32 carino, const QString &saticiadi,
                          double tarih1, double tarih2, qint64 &size);
    QString KayanYaziGetir();
    QIODevice *BannerResimVer(qint64 &size);
    QIODevice *BannerResimVer2(qint64 &size);
    QIODevice *BannerResimVer3(qint64 &size);
    ResultTable *BalonGetir(SonucBilgisiPtr bil);
    qint32 AcilisReklamAdet();
    TAcilisEkran *AcilisREklamVer(qint32 sira);
    TMobilCariBilgisi *MobilCariBilgisiGetir(qint32 sirano, const QString &_idsi);
    qint32 MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1,
                          const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon,
                          const QString &fax, const QString &vd, const QString &vn, const QString &yetkili,
                          const QString &kullaniciadi, const QString &sifre, const QString &mail,
                          const QString &kargoambar);
    qint32 MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                const QString &adres1, const QString &adres2, const QString &ilce, const QString &sehir,
                                const QString &telefon, const QString &fax, const QString &vd, const QString &vn,
                                const QString &yetkili, const QString &kullaniciadi, const QString &sifre,
                                const QString &mail, const QString &kargoambar, const QString &konu);

private:
    friend class ProxyCall;
    ProxyCall call(const char *method);

    Connection *m_connection;
    std::vector<std::shared_ptr<void>> m_results; // what the returned pointers point to
};
