#include "server/tservermethods1client.h"

#include "server/connection.h"
#include "server/proxycall.h"

namespace {
const QString nilConnection = QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened.");
}

TServerMethods1Client::TServerMethods1Client(Connection *connection)
    : m_connection(connection)
{
    if (!m_connection || !m_connection->isOpen())
        throw wire::WireError(nilConnection);
}

TServerMethods1Client::~TServerMethods1Client() = default;

ProxyCall TServerMethods1Client::call(const char *method)
{
    // The connection may have been closed since the proxy was made.
    if (!m_connection->isOpen())
        throw wire::WireError(nilConnection);
    return ProxyCall(*this, *m_connection->session(), method);
}

TSonucBilgisi *TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    return call("BuyukGetir").with(idsi).result<TSonucBilgisi *>();
}

ResultTable *TServerMethods1Client::StokAraGetir(const QString &kod, SonucBilgisiPtr bilgi)
{
    return call("StokAraGetir").with(kod, std::move(bilgi)).result<ResultTable *>();
}

QIODevice *TServerMethods1Client::ResimVer5(qint32 stokno, qint64 &boy)
{
    return call("ResimVer5").with(stokno, out(boy)).result<QIODevice *>();
}

qint32 TServerMethods1Client::SepetEkle2(SonucBilgisiPtr bilgim, qint32 carino, qint32 stokno, const QString &barkod,
                                         const QString &stokadi, double miktar, double kdv, double fiyat, double ind1,
                                         qint32 verenid, qint32 k, double ind2, double ind3, double ind4)
{
    return call("SepetEkle2")
        .with(std::move(bilgim), carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, k, ind2, ind3,
              ind4)
        .result<qint32>();
}

ResultTable *TServerMethods1Client::SepetVer2(qint32 carino)
{
    return call("SepetVer2").with(carino).result<ResultTable *>();
}

qint32 TServerMethods1Client::SepetGuncelle2(SonucBilgisiPtr bilgim, qint32 carino, qint32 stokno,
                                             const QString &barkod, const QString &stokadi, double miktar, double kdv,
                                             double fiyat, double ind1, qint32 verenid, qint32 _sepetsirano,
                                             double ind2, double ind3, double ind4)
{
    return call("SepetGuncelle2")
        .with(std::move(bilgim), carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, _sepetsirano, ind2,
              ind3, ind4)
        .result<qint32>();
}

qint32 TServerMethods1Client::SepetSatirSil(SonucBilgisiPtr bilgi, qint32 satirno, const QString &aciklamam)
{
    return call("SepetSatirSil").with(std::move(bilgi), satirno, aciklamam).result<qint32>();
}

qint32 TServerMethods1Client::SepetHepsiniSil(SonucBilgisiPtr bilgi)
{
    return call("SepetHepsiniSil").with(std::move(bilgi)).result<qint32>();
}

void TServerMethods1Client::SepetSecimGuncelle(qint32 sirano, qint32 secim)
{
    call("SepetSecimGuncelle").with(sirano, secim).result<void>();
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(qint32 carino)
{
    return call("CariVadeGunGecmismiBul").with(carino).result<QString>();
}

ResultTable *TServerMethods1Client::TeslimVer()
{
    return call("TeslimVer").result<ResultTable *>();
}

ResultTable *TServerMethods1Client::KargoVer()
{
    return call("KargoVer").result<ResultTable *>();
}

ResultTable *TServerMethods1Client::KargolarVer(qint32 gn)
{
    return call("KargolarVer").with(gn).result<ResultTable *>();
}

bool TServerMethods1Client::SiparisKaydet(SonucBilgisiPtr BB, qint32 _carino, qint32 _teslim, qint32 _kargo,
                                          const QString &_aciklama, qint32 _verenid, qint32 _kargoyeni)
{
    return call("SiparisKaydet")
        .with(std::move(BB), _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni)
        .result<bool>();
}

ResultTable *TServerMethods1Client::YenilerVer2(qint32 carino)
{
    return call("YenilerVer2").with(carino).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::KampanyaliVer2(qint32 cario, qint32 satici)
{
    return call("KampanyaliVer2").with(cario, satici).result<ResultTable *>();
}

TAcilisEkranlariki *TServerMethods1Client::AcilisEkranlarVer2()
{
    return call("AcilisEkranlarVer2").result<TAcilisEkranlariki *>();
}

ResultTable *TServerMethods1Client::CariEkstreVer(qint32 carino)
{
    return call("CariEkstreVer").with(carino).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::OncekiSiparisler(qint32 carino)
{
    return call("OncekiSiparisler").with(carino).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::SiparisAyrintisi2(qint32 carino, qint32 idnosu)
{
    return call("SiparisAyrintisi2").with(carino, idnosu).result<ResultTable *>();
}

TSiparisDipAyrinti *TServerMethods1Client::SiparisAytintisiDip(qint32 carino, qint32 siranosu)
{
    return call("SiparisAytintisiDip").with(carino, siranosu).result<TSiparisDipAyrinti *>();
}

ResultTable *TServerMethods1Client::FaturaGetir(qint32 carino, qint32 idnosu)
{
    return call("FaturaGetir").with(carino, idnosu).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::FaturaAltGetir(qint32 idnosu)
{
    return call("FaturaAltGetir").with(idnosu).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::Tahsilat(qint32 idnosu)
{
    return call("Tahsilat").with(idnosu).result<ResultTable *>();
}

qint32 TServerMethods1Client::SanalposSiranoVer(qint32 idnosu)
{
    return call("SanalposSiranoVer").with(idnosu).result<qint32>();
}

QIODevice *TServerMethods1Client::SAnalPosPdfVer(qint32 sirano, qint64 &boy)
{
    return call("SAnalPosPdfVer").with(sirano, out(boy)).result<QIODevice *>();
}

ResultTable *TServerMethods1Client::BakiyelerVer2(qint32 carino)
{
    return call("BakiyelerVer2").with(carino).result<ResultTable *>();
}

qint32 TServerMethods1Client::BakiyeDuzenle(SonucBilgisiPtr k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano,
                                            double Adet, double Bakiye, const QString &barkod)
{
    return call("BakiyeDuzenle")
        .with(std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod)
        .result<qint32>();
}

qint32 TServerMethods1Client::BakiyeDegistir(SonucBilgisiPtr k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano,
                                             double Adet, double Bakiye, const QString &barkod)
{
    return call("BakiyeDegistir")
        .with(std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod)
        .result<qint32>();
}

qint32 TServerMethods1Client::BakiyeFiyatDegistir(SonucBilgisiPtr k, qint32 stokno, qint32 sepetsirano,
                                                  qint32 siparissirano, double Adet, double Bakiye,
                                                  const QString &barkod, double fiyat, double ind)
{
    return call("BakiyeFiyatDegistir")
        .with(std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod, fiyat, ind)
        .result<qint32>();
}

ResultTable *TServerMethods1Client::TumSiparislerVer(qint32 carino, qint32 stokno)
{
    return call("TumSiparislerVer").with(carino, stokno).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::RaporAlinanSiparisler(SonucBilgisiPtr bilgi, double tarih1, double tarih2)
{
    return call("RaporAlinanSiparisler").with(std::move(bilgi), tarih1, tarih2).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::RaporEnCokSatilanStoklar(SonucBilgisiPtr bilgi, double tarih1, double tarih2)
{
    return call("RaporEnCokSatilanStoklar").with(std::move(bilgi), tarih1, tarih2).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::CariAra(SonucBilgisiPtr bil, const QString &aranan)
{
    return call("CariAra").with(std::move(bil), aranan).result<ResultTable *>();
}

ResultTable *TServerMethods1Client::CariSepetVer(SonucBilgisiPtr bil, qint32 n)
{
    return call("CariSepetVer").with(std::move(bil), n).result<ResultTable *>();
}

qint32 TServerMethods1Client::SepetSayisi(SonucBilgisiPtr bil)
{
    return call("SepetSayisi").with(std::move(bil)).result<qint32>();
}

TTusSonuclari *TServerMethods1Client::TusSonuclariVer(SonucBilgisiPtr bil)
{
    return call("TusSonuclariVer").with(std::move(bil)).result<TTusSonuclari *>();
}

QIODevice *TServerMethods1Client::RaporGetir(qint32 raporno, qint32 bolum, qint32 idno, qint32 carino,
                                             const QString &saticiadi, double tarih1, double tarih2, qint64 &size)
{
    return call("RaporGetir")
        .with(raporno, bolum, idno, carino, saticiadi, tarih1, tarih2, out(size))
        .result<QIODevice *>();
}

QString TServerMethods1Client::KayanYaziGetir()
{
    return call("KayanYaziGetir").result<QString>();
}

QIODevice *TServerMethods1Client::BannerResimVer(qint64 &size)
{
    return call("BannerResimVer").with(out(size)).result<QIODevice *>();
}

QIODevice *TServerMethods1Client::BannerResimVer2(qint64 &size)
{
    return call("BannerResimVer2").with(out(size)).result<QIODevice *>();
}

QIODevice *TServerMethods1Client::BannerResimVer3(qint64 &size)
{
    return call("BannerResimVer3").with(out(size)).result<QIODevice *>();
}

ResultTable *TServerMethods1Client::BalonGetir(SonucBilgisiPtr bil)
{
    return call("BalonGetir").with(std::move(bil)).result<ResultTable *>();
}

qint32 TServerMethods1Client::AcilisReklamAdet()
{
    return call("AcilisReklamAdet").result<qint32>();
}

TAcilisEkran *TServerMethods1Client::AcilisREklamVer(qint32 sira)
{
    return call("AcilisREklamVer").with(sira).result<TAcilisEkran *>();
}

TMobilCariBilgisi *TServerMethods1Client::MobilCariBilgisiGetir(qint32 sirano, const QString &_idsi)
{
    return call("MobilCariBilgisiGetir").with(sirano, _idsi).result<TMobilCariBilgisi *>();
}

qint32 TServerMethods1Client::MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                             const QString &adres1, const QString &adres2, const QString &ilce,
                                             const QString &sehir, const QString &telefon, const QString &fax,
                                             const QString &vd, const QString &vn, const QString &yetkili,
                                             const QString &kullaniciadi, const QString &sifre, const QString &mail,
                                             const QString &kargoambar)
{
    return call("MailGonserCari")
        .with(idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre,
              mail, kargoambar)
        .result<qint32>();
}

qint32 TServerMethods1Client::MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                                   const QString &adres1, const QString &adres2, const QString &ilce,
                                                   const QString &sehir, const QString &telefon, const QString &fax,
                                                   const QString &vd, const QString &vn, const QString &yetkili,
                                                   const QString &kullaniciadi, const QString &sifre,
                                                   const QString &mail, const QString &kargoambar, const QString &konu)
{
    return call("MailGonserCariNormal")
        .with(idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre,
              mail, kargoambar, konu)
        .result<qint32>();
}
