#include "catalogue/stoklistesi.h"

#include "app/common/baglantikontrol.h"
#include "app/common/durumsimgesi.h"
#include "app/common/mesajgoster.h"
#include "app/common/para.h"
#include "app/common/sekmeyukleme.h"
#include "app/common/tablo.h"
#include "platform/grid/izgara.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString baslikStok = QStringLiteral("Stok Listesi");
constexpr int darSinir = 1152;
// The four price columns of the wide layout; the narrow one shows the summary instead.
const QStringView fiyatSutunlari[] = { u"LISTEFIYAT1", u"KAMPFIYAT", u"NETFIYAT", u"KDVDAHIL" };
const QString fiyatBilgisi = QStringLiteral("FiyatBilgisi");

// Most stock texts wrap: codes and names are long and the rows tall.
IzgaraSutunu sutun(const char *alan, const QString &baslik, int agirlik, bool gorunur,
                   Sunum sunum = Sunum::SarmaliMetin, bool sunulur = true)
{
    return IzgaraSutunu::Alan(alan, baslik, agirlik, gorunur, sunum, sunulur);
}

IzgaraSutunu simgeSutunu(const char *alan, const QString &baslik, std::function<QIcon(const QVariant &)> simge,
                         std::function<QString(const QVariant &)> anlam)
{
    IzgaraSutunu s = sutun(alan, baslik, 1, true, Sunum::Simge);
    s.simge = std::move(simge);
    s.simgeMetni = std::move(anlam);
    return s;
}

QString evetHayir(const QVariant &v)
{
    return v.toInt() == 1 ? QStringLiteral("Evet") : QStringLiteral("Hayır");
}

} // namespace

QChar AramaHarfi(QChar c)
{
    switch (c.unicode()) {
    case 0x011F: return u'g'; // ğ
    case 0x00FC: return u'u'; // ü
    case 0x015F: return u's'; // ş
    case 0x00F6: return u'o'; // ö
    case 0x00E7: return u'c'; // ç
    case 0x0131: return u'I'; // ı
    case 0x011E: return u'G'; // Ğ
    case 0x00DC: return u'U'; // Ü
    case 0x015E: return u'S'; // Ş
    case 0x0130: return u'I'; // İ
    case 0x00D6: return u'O'; // Ö
    case 0x00C7: return u'C'; // Ç
    default: return c;
    }
}

StokListesi::StokListesi(Connection &bagc, TSonucBilgisi &sbilgi, Denetimler denetimler, QObject *parent)
    : QObject(parent)
    , m_bagc(bagc)
    , m_sbilgi(sbilgi)
    , m_d(denetimler)
{
    grideKur();
    m_d.araedit->installEventFilter(this);
    connect(m_d.araedit, &QLineEdit::returnPressed, this, &StokListesi::Ara);
    connect(m_d.SpeedButton2, &QToolButton::clicked, this, [this] {
        // The button searches only while the edit is enabled, so never twice at once.
        if (m_d.araedit->isEnabled())
            Ara();
    });
    connect(m_d.SpeedButton1, &QToolButton::clicked, this, &StokListesi::Temizle);

    m_arama = SekmeYukleme::izgaraIcin(
        m_d.gifstokara, cxGrid1, [this] { return getir(); }, [this](bool hata) { aramaBitir(hata); }, this,
        [this] {
            m_d.araedit->setEnabled(false);
            cxGrid1->filtreleriTemizle();
        });
    connect(m_arama, &SekmeYukleme::bitti, this, &StokListesi::aramaBitti);
}

StokListesi::~StokListesi() = default;

void StokListesi::grideKur()
{
    cxGrid1 = new Izgara(m_d.sstoklistesi);
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid1->gorunum()->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    auto *yerlesim = new QVBoxLayout(m_d.sstoklistesi);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    yerlesim->addWidget(cxGrid1);

    auto durum = [](const QVariant &v) { return DurumSimgesi(v.isValid() ? v.toInt() : -1); };
    auto durumAnlami = [](const QVariant &v) { return DurumAnlami(v.isValid() ? v.toInt() : -1); };
    auto resim = [](const QVariant &v) { return v.toInt() == 1 ? ResimSimgesi() : QIcon(); };
    auto yeni = [](const QVariant &v) { return v.isValid() ? BayrakSimgesi(v.toInt() == 1) : QIcon(); };
    auto kampanya = [](const QVariant &v) { return v.toInt() == 1 ? BayrakSimgesi(true) : QIcon(); };

    std::vector<IzgaraSutunu> s;
    s.push_back(simgeSutunu("DURUM", QStringLiteral("Durum"), durum, durumAnlami));
    s.push_back(sutun("OEM1", QStringLiteral("Oem1"), 2, false));
    s.push_back(sutun("OEM2", QStringLiteral("Oem2"), 2, false));
    s.push_back(sutun("OEM3", QStringLiteral("Oem3"), 2, false));
    s.push_back(sutun("BARKOD", QStringLiteral("Barkod"), 2, true));
    s.push_back(sutun("OEMNO", QStringLiteral("Oem No"), 2, true));
    s.push_back(sutun("ADI", QStringLiteral("Açıklama"), 3, true));
    s.push_back(sutun("OEM4", QStringLiteral("Oem4"), 2, false));
    s.push_back(sutun("STOK_STOKNO", {}, 1, false, Sunum::Metin, false));
    s.push_back(sutun("FINISHKOD", QStringLiteral("Finish Kod"), 2, false));
    s.push_back(sutun("URETICIKODU", QStringLiteral("Üretici Kod"), 2, false));
    s.push_back(simgeSutunu("RESIM", QStringLiteral("Resim"), resim, evetHayir));
    s.push_back(sutun("BARKOD_BARKODNO", {}, 1, false, Sunum::Metin, false));
    s.push_back(sutun("DIGERADI", QStringLiteral("Diğer Adı"), 3, false));
    s.push_back(sutun("DPKOD", {}, 2, false, Sunum::Metin, false));
    s.push_back(sutun("BIRIM", QStringLiteral("Birim"), 1, false, Sunum::Metin));
    s.push_back(sutun("MARKA", QStringLiteral("Marka"), 2, true));
    s.push_back(sutun("MODEL", QStringLiteral("Model"), 2, true));
    s.push_back(sutun("ANAGRUP", QStringLiteral("Ana Grup"), 2, false));
    s.push_back(sutun("OZELKOD", QStringLiteral("Özel Kod"), 2, true));
    s.push_back(sutun("KALAN", {}, 1, false, Sunum::Metin, false));
    s.push_back(sutun("PKOD", {}, 1, false, Sunum::Metin, false));
    s.push_back(sutun("KDV", {}, 1, false, Sunum::Metin));
    s.push_back(sutun("ALINANSIPARIS", {}, 1, false, Sunum::Metin, false));
    s.push_back(sutun("VERILENSIPARIS", {}, 1, false, Sunum::Metin, false));
    s.push_back(sutun("LISTEFIYAT1", QStringLiteral("Liste Fiyatı"), 2, true, Sunum::Metin));
    s.push_back(sutun("KAMPFIYAT", QStringLiteral("Kampanyalı Fiyat"), 2, true, Sunum::Metin));
    s.push_back(sutun("FIYAT", QStringLiteral("Liste Fiyatı"), 2, false, Sunum::Metin));
    s.push_back(simgeSutunu("Y", QStringLiteral("Yeni"), yeni, evetHayir));
    s.push_back(simgeSutunu("K", QStringLiteral("Kampanyalı"), kampanya, evetHayir));
    s.push_back(sutun("INDIRIMYAZI", QStringLiteral("İndirim Oran"), 2, true, Sunum::OrtaliMetin));
    s.push_back(sutun("NETFIYAT", QStringLiteral("Net Fiyatı"), 2, true, Sunum::Metin));
    s.push_back(sutun("KDVDAHIL", QStringLiteral("KDV Dahil Fiyat"), 3, true, Sunum::Metin));
    IzgaraSutunu ozet = sutun("", QStringLiteral("Fiyat Bilgisi"), 2, false, Sunum::Hesaplanan);
    ozet.ad = fiyatBilgisi;
    ozet.hiza = Qt::AlignRight | Qt::AlignVCenter;
    ozet.icBosluk = 10;
    ozet.metin = [this](const ResultTable &t, int r) { return FiyatBilgisi(t, r, m_musteriTipi != 4); };
    s.push_back(ozet);
    // The footer counts the rows under the first visible column.
    s.front().ozet = Ozet::Sayi;
    cxGrid1->setSutunlar(std::move(s));

    cxGrid1->setSatirYuksekligi(40);
    cxGrid1->setBaslikYuksekligi(40);
    cxGrid1->setAltBilgiGorunur(true);
    cxGrid1->setFiltreDugmeleri(true);
    cxGrid1->setSutunSecici(true);
    cxGrid1->setRenkler({}); // even 239, odd white, selected (210, 240, 249), header (0, 176, 200)
    cxGrid1->setTablo(&stok);

    popstok = new QMenu(cxGrid1);
    popstok->setObjectName(QStringLiteral("popstok"));
    sepeteEkleEylemi = popstok->addAction(QStringLiteral("Sepete Ekle"), this, &StokListesi::satiriAc);
    popstok->addSeparator();
    // Bound once the customer's outstanding balances have a window of their own.
    siparisBakiyeleriEylemi = popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    siparisBakiyeleriEylemi->setEnabled(false);
    popstok->addSeparator();
    siparisleriGosterEylemi
        = popstok->addAction(QStringLiteral("Siparişleri Göster"), this, &StokListesi::siparisleriGoster);
    sepeteEkleEylemi->setEnabled(false);
    siparisleriGosterEylemi->setEnabled(false);
    cxGrid1->setBaglamMenusu(popstok);

    connect(cxGrid1, &Izgara::satirCiftTiklandi, this, [this] { satiriAc(); });
    connect(cxGrid1, &Izgara::boyutDegisti, this, [this] {
        // Never during a search: the grid is not linked then.
        if (m_d.araedit->isEnabled())
            SutunDuzeni(m_d.araedit->window()->width());
    });
}

bool StokListesi::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne == m_d.araedit && olay->type() == QEvent::KeyPress) {
        auto *tus = static_cast<QKeyEvent *>(olay);
        const QString metin = tus->text();
        if (metin.size() == 1 && AramaHarfi(metin.front()) != metin.front()) {
            m_d.araedit->insert(QString(AramaHarfi(metin.front())));
            return true;
        }
    }
    return QObject::eventFilter(nesne, olay);
}

bool StokListesi::araniyor() const
{
    return m_arama->yukleniyor();
}

void StokListesi::Ara()
{
    if (araniyor() || !m_d.araedit->isEnabled())
        return;
    m_d.sPageControl1->setCurrentWidget(m_d.sstoklistesi);
    if (m_d.araedit->text().trimmed().size() < 3) {
        UyariGoster(QStringLiteral("Lütfen en az 3 harf giriniz !"), m_d.araedit->window());
        return;
    }
    // The text goes as typed, blanks included.
    m_aranan = m_d.araedit->text();
    m_bilgi = m_sbilgi.KopyaVer();
    m_arama->Yukle();
}

bool StokListesi::getir()
{
    try {
        auto baglanti = m_bagc.clone();
        if (!BaglantiKontrol(*baglanti, false))
            return true;
        {
            TServerMethods1Client proxy(baglanti.get());
            ResultTable *sonuc = proxy.StokAraGetir(m_aranan, m_bilgi->KopyaVer());
            stok.loadPacket(std::move(*sonuc));
        }
        if (stok.columnIndex(u"IND1") < 0)
            return true;
        OndalikBicimle(stok);
        baglanti->close();
        return false;
    } catch (...) {
        return true;
    }
}

void StokListesi::aramaBitir(bool hata)
{
    if (!hata)
        baslikYaz(QString::number(stok.rowCount()) + QLatin1Char('=') + baslikStok);
    m_d.araedit->setEnabled(true);
    m_d.araedit->selectAll();
    m_d.araedit->setFocus();
    if (hata) {
        stok.clearRows();
        baslikYaz(baslikStok);
    }
    const bool dolu = DoluMu(stok);
    sepeteEkleEylemi->setEnabled(dolu && m_sepeteEkle);
    siparisleriGosterEylemi->setEnabled(dolu && m_siparisleriGoster);
    SutunDuzeni(m_d.araedit->window()->width());
}

void StokListesi::Temizle()
{
    if (araniyor() || !m_d.araedit->isEnabled())
        return;
    if (DoluMu(stok)) {
        stok.clearRows();
        baslikYaz(baslikStok);
    }
    m_d.sPageControl1->setCurrentWidget(m_d.sstoklistesi);
    cxGrid1->filtreleriTemizle();
    m_d.araedit->clear();
    m_d.araedit->selectAll();
    m_d.araedit->setFocus();
}

void StokListesi::Bosalt()
{
    if (stok.isOpen())
        stok.clearRows();
    baslikYaz(QStringLiteral("0=") + baslikStok);
    m_d.sPageControl1->setCurrentWidget(m_d.sstoklistesi);
    m_d.araedit->selectAll();
    m_d.araedit->setFocus();
}

void StokListesi::baslikYaz(const QString &baslik)
{
    const int i = m_d.sPageControl1->indexOf(m_d.sstoklistesi);
    if (i >= 0)
        m_d.sPageControl1->setTabText(i, baslik);
}

void StokListesi::KullaniciTipineUyarla(int musteriTipi)
{
    m_musteriTipi = musteriTipi;
    const bool temsilci = musteriTipi == 1 || musteriTipi == 2;
    for (QStringView alan : { u"KALAN", u"ALINANSIPARIS", u"VERILENSIPARIS" }) {
        cxGrid1->setSutunGorunur(alan, temsilci);
        cxGrid1->setSutunSunulur(alan, temsilci);
    }
    if (musteriTipi == 4) {
        for (QStringView alan : { u"KAMPFIYAT", u"K" }) {
            cxGrid1->setSutunGorunur(alan, false);
            cxGrid1->setSutunSunulur(alan, false);
        }
    }
    SutunDuzeni(m_d.araedit->window()->width());
}

void StokListesi::SutunDuzeni(int pencereGenisligi)
{
    m_genis = pencereGenisligi > darSinir;
    for (QStringView alan : fiyatSutunlari)
        // A kind-4 dealer sees no campaign prices in either layout.
        cxGrid1->setSutunGorunur(alan, m_genis && !(alan == u"KAMPFIYAT" && m_musteriTipi == 4));
    cxGrid1->setSutunGorunur(fiyatBilgisi, !m_genis);
    cxGrid1->setSatirYuksekligi(m_genis ? 40 : 100);
    cxGrid1->agirlikliGenislikUygula();
    if (!m_genis) {
        for (QStringView alan : { u"OEM1", u"OEM2", u"OEM3" })
            if (cxGrid1->sutunGorunur(alan))
                cxGrid1->setSutunGenisligi(alan, 80);
        cxGrid1->setSutunGenisligi(fiyatBilgisi, 150);
        // The fixed summary width can push the last column past the view's edge:
        // the description gives up the excess, so no horizontal scroll bar appears.
        int toplam = 0;
        for (int i = 0; i < cxGrid1->sutunSayisi(); ++i)
            toplam += cxGrid1->sutunGenisligi(cxGrid1->sutun(i).kimlik());
        const int fazla = toplam - cxGrid1->gorunum()->viewport()->width();
        const int aciklama = cxGrid1->sutunGenisligi(u"ADI");
        if (fazla > 0 && aciklama > 0)
            cxGrid1->setSutunGenisligi(u"ADI", std::max(60, aciklama - fazla));
    }
}

QString StokListesi::FiyatBilgisi(const ResultTable &stok, int satir, bool kampanyaFiyati)
{
    auto deger = [&](QStringView alan) {
        const int c = stok.columnIndex(alan);
        return c < 0 ? 0.0 : stok.asDouble(satir, c);
    };
    QStringList satirlar;
    satirlar << QStringLiteral("Liste Fiyatı: ") + ParaBicimle(deger(u"LISTEFIYAT1"));
    if (kampanyaFiyati && deger(u"KAMPFIYAT") > 0)
        satirlar << QStringLiteral("Kampanyalı Fiyat: ") + ParaBicimle(deger(u"KAMPFIYAT"));
    satirlar << QStringLiteral("NetFiyat: ") + ParaBicimle(deger(u"NETFIYAT"));
    satirlar << QStringLiteral("KDV li Fiyat: ") + ParaBicimle(deger(u"KDVDAHIL"));
    return satirlar.join(QLatin1Char('\n'));
}

void StokListesi::setSepeteEkle(std::function<void(ResultTable &, int)> f)
{
    m_sepeteEkle = std::move(f);
    sepeteEkleEylemi->setEnabled(DoluMu(stok) && m_sepeteEkle);
}

void StokListesi::setSiparisleriGoster(std::function<void(int)> f)
{
    m_siparisleriGoster = std::move(f);
    siparisleriGosterEylemi->setEnabled(DoluMu(stok) && m_siparisleriGoster);
}

void StokListesi::satiriAc()
{
    const int satir = cxGrid1->odakSatiri();
    if (satir < 0 || !m_sepeteEkle || !cxGrid1->bagli())
        return;
    stok.setCursor(satir);
    m_sepeteEkle(stok, satir);
}

void StokListesi::siparisleriGoster()
{
    const int satir = cxGrid1->odakSatiri();
    const int c = stok.columnIndex(u"STOK_STOKNO");
    if (satir < 0 || c < 0 || !m_siparisleriGoster)
        return;
    m_siparisleriGoster(int(stok.asInt(satir, c)));
}
