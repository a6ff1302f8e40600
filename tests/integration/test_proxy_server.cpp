// The client's call layer against a real tarnevooto-server on loopback: the
// road of one order, operation by operation, as the screens will run it.
#include "app/common/baglantikontrol.h"
#include "app/common/tablo.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"
#include "support/serverprocess.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ProxyServer : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_server = new ServerProcess(2000); }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }

    void SetUp() override
    {
        baglantikontrol::setBekle([](std::chrono::milliseconds) {});
        bagc.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        bagc.setParam(QStringLiteral("Port"), QString::number(s_server->port()));
        ASSERT_TRUE(BaglantiKontrol(bagc, false));
        TServerMethods1Client proxy(&bagc);
        TSonucBilgisi *kayit = proxy.BuyukGetir(QStringLiteral("DEMO-BAYI3"));
        ASSERT_NE(kayit, nullptr);
        sbilgi.Kopyala(*kayit);
        bagc.close();
    }
    void TearDown() override { baglantikontrol::setBekle({}); }

    std::unique_ptr<TSonucBilgisi> kopya() const
    {
        auto k = std::make_unique<TSonucBilgisi>();
        k->Kopyala(sbilgi);
        return k;
    }

    // One operation: open, proxy, work, release, close.
    template<class F> void islem(F &&is)
    {
        ASSERT_TRUE(BaglantiKontrol(bagc, false));
        {
            TServerMethods1Client proxy(&bagc);
            is(proxy);
        }
        bagc.close();
    }

    void sepetYenile()
    {
        islem([&](TServerMethods1Client &p) { sepet.loadPacket(std::move(*p.SepetVer2(sbilgi.FCARINO))); });
        OndalikBicimle(sepet);
    }

    static ServerProcess *s_server;
    Connection bagc;
    TSonucBilgisi sbilgi;
    ResultTable stok;
    ResultTable sepet;
};

ServerProcess *ProxyServer::s_server = nullptr;

TEST_F(ProxyServer, LoginRecordOfRegisteredAndUnknownWorkstations)
{
    EXPECT_TRUE(sbilgi.FVarmi);
    EXPECT_EQ(sbilgi.FADI, QStringLiteral("BAYI3"));
    EXPECT_EQ(sbilgi.FSIFRE, QStringLiteral("1234"));
    EXPECT_EQ(sbilgi.FAKTIF, 1);
    EXPECT_EQ(sbilgi.FMusteriTipi, 3);
    EXPECT_EQ(sbilgi.FVersion, 6);
    EXPECT_GT(sbilgi.FCARINO, 0);
    EXPECT_EQ(sbilgi.FBILGISAYARID, QStringLiteral("DEMO-BAYI3"));

    islem([](TServerMethods1Client &p) {
        TSonucBilgisi *yok = p.BuyukGetir(QStringLiteral("BILINMEYEN-MAKINE"));
        ASSERT_NE(yok, nullptr);
        EXPECT_FALSE(yok->FVarmi);
        EXPECT_EQ(yok->FVersion, 6); // the version check must not fire before the registration check
    });
}

TEST_F(ProxyServer, SearchConsumesTheRecordCopyAndDeliversTheStockColumns)
{
    auto k = kopya();
    islem([&](TServerMethods1Client &p) {
        stok.loadPacket(std::move(*p.StokAraGetir(QStringLiteral("FRE"), std::move(k))));
    });
    EXPECT_EQ(k, nullptr);
    EXPECT_EQ(sbilgi.FADI, QStringLiteral("BAYI3"));
    OndalikBicimle(stok);
    ASSERT_GT(stok.rowCount(), 0);
    for (const char *ad : { "STOK_STOKNO",
                            "BARKOD",
                            "ADI",
                            "MARKA",
                            "MODEL",
                            "FINISHKOD",
                            "OEMNO",
                            "OEM1",
                            "OEM4",
                            "URETICIKODU",
                            "DIGERADI",
                            "DPKOD",
                            "PKOD",
                            "BIRIM",
                            "ANAGRUP",
                            "OZELKOD",
                            "BARKOD_BARKODNO",
                            "DURUM",
                            "RESIM",
                            "Y",
                            "K",
                            "KDV",
                            "FIYAT",
                            "LISTEFIYAT1",
                            "KAMPFIYAT",
                            "NETFIYAT",
                            "KDVDAHIL",
                            "IND1",
                            "IND2",
                            "IND3",
                            "IND4",
                            "INDIRIMYAZI",
                            "KALAN",
                            "ALINANSIPARIS",
                            "VERILENSIPARIS" })
        EXPECT_GE(stok.columnIndex(QString::fromLatin1(ad)), 0) << ad;
    const int fiyat = stok.columnIndex(u"FIYAT");
    EXPECT_EQ(stok.column(fiyat).displayFormat, QStringLiteral("#,###,##0.00"));
    EXPECT_TRUE(stok.column(stok.columnIndex(u"STOK_STOKNO")).displayFormat.isEmpty());

    // Quotes and search syntax are plain text to the server.
    for (const char *metin : { "FREN \"ON", "A'B\"C", " \"\"\" ", "OR AND NOT*" })
        islem([&](TServerMethods1Client &p) {
            ResultTable t;
            EXPECT_NO_THROW(t.loadPacket(std::move(*p.StokAraGetir(QString::fromLatin1(metin), kopya())))) << metin;
        });
}

TEST_F(ProxyServer, TheRoadOfOneOrder)
{
    islem(
        [&](TServerMethods1Client &p) { stok.loadPacket(std::move(*p.StokAraGetir(QStringLiteral("BAL"), kopya()))); });
    ASSERT_GE(stok.rowCount(), 2);
    const auto ekle = [&](int satir, double miktar) {
        qint32 sonuc = 0;
        const auto d = [&](const char *ad) { return stok.asDouble(satir, stok.columnIndex(QString::fromLatin1(ad))); };
        const auto s = [&](const char *ad) { return stok.asString(satir, stok.columnIndex(QString::fromLatin1(ad))); };
        islem([&](TServerMethods1Client &p) {
            sonuc = p.SepetEkle2(kopya(), sbilgi.FCARINO, qint32(d("STOK_STOKNO")), s("BARKOD"), s("ADI"), miktar,
                                 qint32(d("KDV")), d("FIYAT"), d("IND1"), sbilgi.FSirano, qint32(d("K")), d("IND2"),
                                 d("IND3"), d("IND4"));
        });
        return sonuc;
    };

    // Add two items.
    ASSERT_EQ(ekle(0, 2), 1);
    ASSERT_EQ(ekle(1, 1), 1);
    sepetYenile();
    ASSERT_EQ(sepet.rowCount(), 2);
    const int sirano = sepet.columnIndex(u"SIRANO"), stokno = sepet.columnIndex(u"STOKNO"),
              miktar = sepet.columnIndex(u"MIKTAR"), sec = sepet.columnIndex(u"SEC"),
              tutar = sepet.columnIndex(u"TUTAR"), birim = sepet.columnIndex(u"BIRIMFIYAT");
    const qint32 ilkSatir = qint32(sepet.asInt(0, sirano));
    EXPECT_EQ(sepet.asInt(0, stokno), qint64(stok.asDouble(0, stok.columnIndex(u"STOK_STOKNO"))));
    EXPECT_EQ(sepet.asDouble(0, miktar), 2);

    // Update the first line by its SIRANO; the client sends stokno 0.
    qint32 guncel = 0;
    islem([&](TServerMethods1Client &p) {
        guncel = p.SepetGuncelle2(kopya(), sbilgi.FCARINO, 0, sepet.asString(0, sepet.columnIndex(u"BARKOD")),
                                  sepet.asString(0, sepet.columnIndex(u"STOKADI")), 5,
                                  qint32(sepet.asDouble(0, sepet.columnIndex(u"KDV"))), sepet.asDouble(0, birim),
                                  sepet.asDouble(0, sepet.columnIndex(u"INDIRIMORANI1")), sbilgi.FSirano, ilkSatir,
                                  sepet.asDouble(0, sepet.columnIndex(u"INDIRIMORANI2")),
                                  sepet.asDouble(0, sepet.columnIndex(u"INDIRIMORANI3")),
                                  sepet.asDouble(0, sepet.columnIndex(u"INDIRIMORANI4")));
    });
    EXPECT_EQ(guncel, 1);
    sepetYenile();
    ASSERT_EQ(sepet.rowCount(), 2);
    const int ilk = sepet.asInt(0, sirano) == ilkSatir ? 0 : 1;
    EXPECT_EQ(sepet.asDouble(ilk, miktar), 5);
    EXPECT_DOUBLE_EQ(sepet.asDouble(ilk, tutar), 5 * sepet.asDouble(ilk, birim));

    // Untick everything: an order of nothing is refused.
    for (int r = 0; r < sepet.rowCount(); ++r)
        islem([&](TServerMethods1Client &p) { p.SepetSecimGuncelle(qint32(sepet.asInt(r, sirano)), 0); });
    sepetYenile();
    EXPECT_FALSE(SecimVarMi(sepet));

    ResultTable teslim, kargo, firmalar;
    islem([&](TServerMethods1Client &p) {
        teslim.loadPacket(std::move(*p.TeslimVer()));
        kargo.loadPacket(std::move(*p.KargoVer()));
    });
    ASSERT_GE(teslim.rowCount(), 3);
    ASSERT_GE(kargo.rowCount(), 1);
    EXPECT_EQ(teslim.column(0).type, ColumnType::Int32);
    EXPECT_EQ(teslim.column(1).type, ColumnType::String);
    const qint32 teslimId = qint32(teslim.asInt(1, 0)), kargoId = qint32(kargo.asInt(0, 0));
    islem([&](TServerMethods1Client &p) { firmalar.loadRows(*p.KargolarVer(kargoId)); });
    ASSERT_GE(firmalar.rowCount(), 1);
    const qint32 firma = qint32(firmalar.asInt(0, firmalar.columnIndex(u"SIRANO")));
    EXPECT_GE(firmalar.columnIndex(u"UYARI"), 0);

    const QString not_ = QStringLiteral("İki satırlık\r\nnot");
    bool kaydedildi = true;
    islem([&](TServerMethods1Client &p) {
        kaydedildi = p.SiparisKaydet(kopya(), sbilgi.FCARINO, teslimId, kargoId, not_, sbilgi.FSirano, firma);
    });
    EXPECT_FALSE(kaydedildi);

    // Tick the updated line, delete the other, and send the order.
    islem([&](TServerMethods1Client &p) { p.SepetSecimGuncelle(ilkSatir, 1); });
    const int diger = 1 - ilk;
    islem([&](TServerMethods1Client &p) {
        p.SepetSatirSil(kopya(), qint32(sepet.asInt(diger, sirano)),
                        sepet.asString(diger, sepet.columnIndex(u"BARKOD")) + QLatin1Char('-')
                            + sepet.asString(diger, sepet.columnIndex(u"STOKADI")));
    });
    sepetYenile();
    ASSERT_EQ(sepet.rowCount(), 1);
    EXPECT_EQ(sepet.asInt(0, sec), 1);
    islem([&](TServerMethods1Client &p) {
        kaydedildi = p.SiparisKaydet(kopya(), sbilgi.FCARINO, teslimId, kargoId, not_, sbilgi.FSirano, firma);
    });
    EXPECT_TRUE(kaydedildi);
    sepetYenile();
    EXPECT_EQ(sepet.rowCount(), 0); // the ordered line left the basket

    // Empty a basket of one line.
    ASSERT_EQ(ekle(1, 3), 1);
    sepetYenile();
    ASSERT_EQ(sepet.rowCount(), 1);
    islem([&](TServerMethods1Client &p) { EXPECT_EQ(p.SepetHepsiniSil(kopya()), 1); });
    sepetYenile();
    EXPECT_EQ(sepet.rowCount(), 0);
    EXPECT_TRUE(sepet.isOpen());
}

TEST_F(ProxyServer, ServerErrorsSurfaceWithTheirText)
{
    islem([&](TServerMethods1Client &p) {
        try {
            p.KayanYaziGetir();
            ADD_FAILURE() << "no error";
        } catch (const wire::RemoteError &e) {
            EXPECT_EQ(e.className(), QStringLiteral("EServerError"));
            EXPECT_TRUE(e.text().contains(QStringLiteral("KayanYaziGetir"))) << e.what();
        }
    });
    // Another customer's basket is refused to a dealer.
    auto yabanci = kopya();
    islem([&](TServerMethods1Client &p) {
        EXPECT_THROW(p.SepetEkle2(std::move(yabanci), sbilgi.FCARINO + 1, 1, QString(), QString(), 1, 18, 10, 0,
                                  sbilgi.FSirano, 0, 0, 0, 0),
                     wire::RemoteError);
    });
}

TEST_F(ProxyServer, ConnectionCheckFailsAfterElevenAttemptsWhenTheServerIsGone)
{
    Connection kapali;
    kapali.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    kapali.setParam(QStringLiteral("Port"), QStringLiteral("1")); // nothing listens there
    int bekleme = 0;
    baglantikontrol::setBekle([&](std::chrono::milliseconds ms) {
        EXPECT_EQ(ms.count(), 500);
        ++bekleme;
    });
    EXPECT_FALSE(BaglantiKontrol(kapali, false));
    EXPECT_EQ(bekleme, 11);
    EXPECT_THROW(TServerMethods1Client { &kapali }, wire::WireError);
}

} // namespace
