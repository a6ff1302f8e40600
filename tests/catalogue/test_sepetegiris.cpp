// The basket entry flows against a real tarnevooto-server. The client talks to
// it through a small relay that records every call, so a test can see which
// method went out with which parameters as well as what the basket shows.
#include "app/common/baglantikontrol.h"
#include "app/common/para.h"
#include "catalogue/fiyatonizleme.h"
#include "catalogue/sepetegiris.h"
#include "catalogue/tstokayarinti.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"
#include "support/modalyanit.h"
#include "support/serverprocess.h"

#include <httplib.h>

#include <boost/json.hpp>

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

namespace json = boost::json;

namespace {

struct Cagri
{
    std::string yontem;
    json::array params;
};

class KayitliAktarici
{
public:
    explicit KayitliAktarici(quint16 hedefPort)
        : m_hedef(hedefPort)
    {
        m_sunucu.set_keep_alive_timeout(1);
        m_sunucu.Post(R"(/datasnap/(\w+))", [this](const httplib::Request &q, httplib::Response &y) {
            if (q.matches[1] == "call") {
                const json::value v = json::parse(q.body);
                std::string komut(v.at("command").as_string());
                komut.erase(0, komut.find('.') + 1);
                std::lock_guard l(m_kilit);
                m_cagrilar.push_back({ komut, v.at("params").as_array() });
            }
            httplib::Client c("127.0.0.1", m_hedef);
            c.set_keep_alive(false);
            httplib::Headers h;
            if (q.has_header("Tsm-Session"))
                h.emplace("Tsm-Session", q.get_header_value("Tsm-Session"));
            const auto r = c.Post(q.path, h, q.body, "application/json");
            if (!r) {
                y.status = 502;
                return;
            }
            y.status = r->status;
            y.set_content(r->body, "application/json");
        });
        m_port = m_sunucu.bind_to_any_port("127.0.0.1");
        m_is = std::thread([this] { m_sunucu.listen_after_bind(); });
        while (!m_sunucu.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~KayitliAktarici()
    {
        m_sunucu.stop();
        m_is.join();
    }
    quint16 port() const { return quint16(m_port); }

    std::vector<Cagri> cagrilar()
    {
        std::lock_guard l(m_kilit);
        return m_cagrilar;
    }
    std::vector<std::string> yontemler()
    {
        std::vector<std::string> v;
        for (const Cagri &c : cagrilar())
            v.push_back(c.yontem);
        return v;
    }
    void temizle()
    {
        std::lock_guard l(m_kilit);
        m_cagrilar.clear();
    }

private:
    quint16 m_hedef;
    httplib::Server m_sunucu;
    int m_port = 0;
    std::thread m_is;
    std::mutex m_kilit;
    std::vector<Cagri> m_cagrilar;
};

double sayi(const json::value &v)
{
    return v.is_double() ? v.as_double() : v.is_int64() ? double(v.as_int64()) : double(v.as_uint64());
}

QString metin(const json::value &v)
{
    return QString::fromUtf8(v.as_string().c_str());
}

class SepetAkisi : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_server = new ServerProcess(2000);
        s_aktarici = new KayitliAktarici(s_server->port());
    }
    static void TearDownTestSuite()
    {
        delete s_aktarici;
        delete s_server;
        s_aktarici = nullptr;
        s_server = nullptr;
    }

    void SetUp() override
    {
        baglantikontrol::setBekle([](std::chrono::milliseconds) {});
        bagc.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        bagc.setParam(QStringLiteral("Port"), QString::number(s_aktarici->port()));
    }
    void TearDown() override { baglantikontrol::setBekle({}); }

    // Logs in as the workstation, for the customer given (representatives choose one).
    void giris(const char *makine, int carino = 0)
    {
        ASSERT_TRUE(BaglantiKontrol(bagc, false));
        {
            TServerMethods1Client p(&bagc);
            TSonucBilgisi *k = p.BuyukGetir(QString::fromLatin1(makine));
            ASSERT_NE(k, nullptr);
            sbilgi.Kopyala(*k);
            if (carino)
                sbilgi.FCARINO = carino;
            auto kopya = std::make_unique<TSonucBilgisi>();
            kopya->Kopyala(sbilgi);
            p.SepetHepsiniSil(std::move(kopya));
        }
        bagc.close();
        s_aktarici->temizle();
    }

    void listeYukle(ResultTable &t, const std::function<ResultTable *(TServerMethods1Client &)> &al)
    {
        ASSERT_TRUE(BaglantiKontrol(bagc, false));
        {
            TServerMethods1Client p(&bagc);
            t.loadPacket(std::move(*al(p)));
        }
        bagc.close();
        s_aktarici->temizle();
    }

    void stokAra(const char *kod)
    {
        auto kopya = std::make_unique<TSonucBilgisi>();
        kopya->Kopyala(sbilgi);
        listeYukle(
            stok, [&](TServerMethods1Client &p) { return p.StokAraGetir(QString::fromLatin1(kod), std::move(kopya)); });
    }

    int satirBul(const ResultTable &t, const std::function<bool(int)> &uyar) const
    {
        for (int r = 0; r < t.rowCount(); ++r)
            if (uyar(r))
                return r;
        return -1;
    }
    double hucre(const ResultTable &t, int r, const char *ad) const
    {
        return t.asDouble(r, t.columnIndex(QString::fromLatin1(ad)));
    }

    SepetBaglami baglam()
    {
        return { &bagc, &sbilgi, &sepet, [this] { SepetYukle(bagc, sbilgi, sepet); }, nullptr };
    }

    std::vector<Cagri> cagrilar(const char *yontem)
    {
        std::vector<Cagri> v;
        for (Cagri &c : s_aktarici->cagrilar())
            if (c.yontem == yontem)
                v.push_back(std::move(c));
        return v;
    }

    static ServerProcess *s_server;
    static KayitliAktarici *s_aktarici;
    Connection bagc;
    TSonucBilgisi sbilgi;
    ResultTable stok, sepet;
};

ServerProcess *SepetAkisi::s_server = nullptr;
KayitliAktarici *SepetAkisi::s_aktarici = nullptr;

using Adimlar = std::vector<std::string>;

TEST_F(SepetAkisi, AddSendsTheRowThenAnItemInTheBasketOpensItsLine)
{
    giris("DEMO-BAYI3");
    stokAra("FRE");
    const int r = satirBul(stok, [&](int i) { return hucre(stok, i, "K") == 0; });
    ASSERT_GE(r, 0);
    const qint64 stokno = qint64(hucre(stok, r, "STOK_STOKNO"));
    SepetBaglami b = baglam();

    ListedenSepeteEkle(b, StokKaynagi::StokListesi, stok, -1);
    EXPECT_TRUE(s_aktarici->cagrilar().empty());

    {
        ModalYanit y;
        y.cevapla(QStringLiteral("Sipariş ekle"), stok.asString(r, stok.columnIndex(u"BARKOD")),
                  QStringLiteral("Sepete Ekle"),
                  [](QWidget *w) { w->findChild<QSpinBox *>(QStringLiteral("adet"))->setValue(3); });
        ListedenSepeteEkle(b, StokKaynagi::StokListesi, stok, r);
        EXPECT_TRUE(y.bekle());
    }
    // The basket was never loaded: it is fetched before looking for the item.
    EXPECT_EQ(s_aktarici->yontemler(), (Adimlar { "SepetVer2", "SepetEkle2", "SepetVer2" }));
    const auto ekle = cagrilar("SepetEkle2");
    ASSERT_EQ(ekle.size(), 1u);
    const json::array &p = ekle[0].params;
    ASSERT_EQ(p.size(), 14u);
    EXPECT_EQ(sayi(p[1]), sbilgi.FCARINO);
    EXPECT_EQ(sayi(p[2]), stokno);
    EXPECT_EQ(metin(p[3]), stok.asString(r, stok.columnIndex(u"BARKOD")));
    EXPECT_EQ(metin(p[4]), stok.asString(r, stok.columnIndex(u"ADI")));
    EXPECT_EQ(sayi(p[5]), 3);
    EXPECT_EQ(sayi(p[6]), std::round(hucre(stok, r, "KDV")));
    EXPECT_EQ(sayi(p[7]), hucre(stok, r, "FIYAT"));
    EXPECT_EQ(sayi(p[8]), hucre(stok, r, "IND1"));
    EXPECT_EQ(sayi(p[9]), sbilgi.FSirano);
    EXPECT_EQ(sayi(p[10]), 0);
    EXPECT_EQ(sayi(p[11]), hucre(stok, r, "IND2"));
    EXPECT_EQ(sayi(p[12]), hucre(stok, r, "IND3"));
    EXPECT_EQ(sayi(p[13]), hucre(stok, r, "IND4"));
    ASSERT_EQ(sepet.rowCount(), 1);
    EXPECT_EQ(hucre(sepet, 0, "STOKNO"), stokno);
    EXPECT_EQ(hucre(sepet, 0, "MIKTAR"), 3);
    const qint64 sirano = qint64(hucre(sepet, 0, "SIRANO"));

    // The same item again: its line, with its quantity, and a change instead of a second line.
    s_aktarici->temizle();
    int gorulenAdet = 0;
    {
        ModalYanit y;
        y.cevapla(QStringLiteral("Sipariş ekle"), {}, QStringLiteral("Sepete Ekle"), [&](QWidget *w) {
            auto *adet = w->findChild<QSpinBox *>(QStringLiteral("adet"));
            gorulenAdet = adet->value();
            adet->setValue(5);
        });
        ListedenSepeteEkle(b, StokKaynagi::StokListesi, stok, r);
        EXPECT_TRUE(y.bekle());
    }
    EXPECT_EQ(gorulenAdet, 3);
    EXPECT_EQ(s_aktarici->yontemler(), (Adimlar { "SepetGuncelle2", "SepetVer2" }));
    const auto guncelle = cagrilar("SepetGuncelle2");
    ASSERT_EQ(guncelle.size(), 1u);
    EXPECT_EQ(sayi(guncelle[0].params[2]), 0);
    EXPECT_EQ(sayi(guncelle[0].params[5]), 5);
    EXPECT_EQ(sayi(guncelle[0].params[10]), sirano);
    ASSERT_EQ(sepet.rowCount(), 1);
    EXPECT_EQ(hucre(sepet, 0, "MIKTAR"), 5);

    // Cancel makes no call.
    s_aktarici->temizle();
    {
        ModalYanit y;
        y.cevapla(QStringLiteral("Vazgeç"));
        SepetSatiriniDegistir(b, 0);
        EXPECT_TRUE(y.bekle());
    }
    EXPECT_TRUE(s_aktarici->cagrilar().empty());
}

TEST_F(SepetAkisi, RepresentativesPriceIsIgnoredOnAddAndUsedOnChange)
{
    giris("DEMO-TEMSILCI1", 1);
    ASSERT_EQ(sbilgi.FMusteriTipi, 1);
    stokAra("FRE");
    const int r = satirBul(stok, [&](int i) { return hucre(stok, i, "K") == 0 && hucre(stok, i, "FIYAT") != 999; });
    ASSERT_GE(r, 0);
    SepetBaglami b = baglam();
    sepet.open(); // loaded before, empty: no reload first

    auto fiyatYaz = [](QWidget *w, const char *yeni, QString *onizleme) {
        auto *f = w->findChild<QLineEdit *>(QStringLiteral("birimfiyat"));
        ASSERT_FALSE(f->isReadOnly());
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, yeni);
        *onizleme = w->findChild<QLineEdit *>(QStringLiteral("geneltutar"))->text();
    };
    QString onizleme;
    {
        ModalYanit y;
        y.cevapla(QStringLiteral("Sipariş ekle"), {}, {}, [&](QWidget *w) { fiyatYaz(w, "999", &onizleme); });
        ListedenSepeteEkle(b, StokKaynagi::StokListesi, stok, r);
        EXPECT_TRUE(y.bekle());
    }
    // The preview followed the typed price (999 less the row's rates, with VAT) ...
    const FiyatOnizleme beklenen = FiyatOnizlemeHesapla(
        999, 1, hucre(stok, r, "KDV"),
        { hucre(stok, r, "IND1"), hucre(stok, r, "IND2"), hucre(stok, r, "IND3"), hucre(stok, r, "IND4") });
    EXPECT_EQ(onizleme, ParaBicimle(beklenen.genelTutar));
    // ... but a new line goes out at the row's price.
    EXPECT_EQ(s_aktarici->yontemler(), (Adimlar { "SepetEkle2", "SepetVer2" }));
    const auto ekle = cagrilar("SepetEkle2");
    ASSERT_EQ(ekle.size(), 1u);
    EXPECT_EQ(sayi(ekle[0].params[7]), hucre(stok, r, "FIYAT"));
    ASSERT_EQ(sepet.rowCount(), 1);

    s_aktarici->temizle();
    {
        ModalYanit y;
        y.cevapla(QStringLiteral("Sipariş ekle"), {}, {}, [&](QWidget *w) { fiyatYaz(w, "77.5", &onizleme); });
        SepetSatiriniDegistir(b, 0);
        EXPECT_TRUE(y.bekle());
    }
    const auto guncelle = cagrilar("SepetGuncelle2");
    ASSERT_EQ(guncelle.size(), 1u);
    EXPECT_EQ(sayi(guncelle[0].params[7]), 77.5);
    ASSERT_EQ(sepet.rowCount(), 1);
    EXPECT_EQ(hucre(sepet, 0, "BIRIMFIYAT"), 77.5);
}

// The new and campaign lists carry the stock list's row form; a searched row stands in for theirs.
TEST_F(SepetAkisi, NewItemAsksForItsPictureBeforeTheDialogShows)
{
    giris("DEMO-BAYI3");
    stokAra("FRE");
    ResultTable &yeni = stok;
    const int r = satirBul(yeni, [&](int i) { return hucre(yeni, i, "RESIM") == 1; });
    ASSERT_GE(r, 0) << "the demo data has no item with a picture";
    SepetBaglami b = baglam();
    Adimlar onceki;
    bool resimVar = false;
    {
        ModalYanit y;
        y.cevapla(QStringLiteral("Vazgeç"), {}, QStringLiteral("Sepete Ekle"), [&](QWidget *w) {
            onceki = s_aktarici->yontemler();
            auto *resim = w->findChild<QLabel *>(QStringLiteral("Image1"));
            resimVar = resim->pixmap().toImage() != StokResmiYeriTutucu(resim->size()).toImage();
        });
        ListedenSepeteEkle(b, StokKaynagi::Yeniler, yeni, r);
        EXPECT_TRUE(y.bekle());
    }
    EXPECT_EQ(onceki, (Adimlar { "SepetVer2", "ResimVer5" }));
    const auto resim = cagrilar("ResimVer5");
    ASSERT_EQ(resim.size(), 1u);
    EXPECT_EQ(sayi(resim[0].params[0]), hucre(yeni, r, "STOK_STOKNO"));
    EXPECT_TRUE(resimVar);
    EXPECT_EQ(s_aktarici->yontemler(), onceki); // cancelled: nothing added
}

TEST_F(SepetAkisi, BasketLoadThatCannotConnectKeepsTheTable)
{
    giris("DEMO-BAYI3");
    const qint32 carino = sbilgi.FCARINO;
    listeYukle(sepet, [&](TServerMethods1Client &p) { return p.SepetVer2(carino); });
    const int sutunSayisi = sepet.columnCount();
    ASSERT_GT(sutunSayisi, 0);
    sepet.appendRow();

    QString mesaj;
    baglantikontrol::setMesajGoster([&](const QString &m) { mesaj = m; });
    Connection kapali;
    kapali.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    kapali.setParam(QStringLiteral("Port"), QStringLiteral("1"));
    EXPECT_FALSE(SepetYukle(kapali, sbilgi, sepet));
    baglantikontrol::setMesajGoster({});
    EXPECT_EQ(mesaj, QString::fromUtf8(baglantikontrol::mesaj));
    EXPECT_EQ(sepet.rowCount(), 1);
    EXPECT_EQ(sepet.columnCount(), sutunSayisi);
}

} // namespace
