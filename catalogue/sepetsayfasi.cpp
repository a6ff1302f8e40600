#include "catalogue/sepetsayfasi.h"

#include "app/common/async.h"
#include "app/common/baglantikontrol.h"
#include "app/common/durumsimgesi.h"
#include "app/common/excelkaydet.h"
#include "app/common/mesajgoster.h"
#include "app/common/para.h"
#include "app/common/tablo.h"
#include "catalogue/sepetegiris.h"
#include "catalogue/siparisgonder.h"
#include "platform/grid/izgara.h"
#include "server/connection.h"
#include "server/resulttable.h"
#include "server/tservermethods1client.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString baslikSepet = QStringLiteral("Sepet");
constexpr int darSinir = 1152;

IzgaraSutunu sutun(const char *alan, const QString &baslik, int agirlik, bool gorunur, Sunum sunum = Sunum::Metin,
                   bool sunulur = true)
{
    return IzgaraSutunu::Alan(alan, baslik, agirlik, gorunur, sunum, sunulur);
}

double hucre(const ResultTable &t, int r, int c)
{
    return c < 0 ? 0.0 : t.asDouble(r, c);
}

} // namespace

SepetToplamlari SepetToplamiHesapla(const ResultTable &sepet)
{
    SepetToplamlari t;
    const int sec = sepet.columnIndex(u"SEC");
    if (!sepet.isOpen() || sec < 0)
        return t;
    const int tutar = sepet.columnIndex(u"TUTAR");
    const int indirim = sepet.columnIndex(u"INDIRIMTUTAR");
    const int vergi = sepet.columnIndex(u"VERGITUTARI");
    for (int r = 0; r < sepet.rowCount(); ++r) {
        if (sepet.isNull(r, sec) || sepet.asInt(r, sec) != 1)
            continue;
        t.toplam = IkiHaneYuvarla(t.toplam + hucre(sepet, r, tutar));
        t.indirim = IkiHaneYuvarla(t.indirim + hucre(sepet, r, indirim));
        t.vergi = IkiHaneYuvarla(t.vergi + hucre(sepet, r, vergi));
    }
    t.araToplam = IkiHaneYuvarla(t.toplam - t.indirim);
    t.genelToplam = IkiHaneYuvarla(t.vergi + t.araToplam);
    return t;
}

SepetSayfasi::SepetSayfasi(Connection &bagc, TSonucBilgisi &sbilgi, ResultTable &sepet, Denetimler denetimler,
                           QObject *parent)
    : QObject(parent)
    , m_bagc(bagc)
    , m_sbilgi(sbilgi)
    , m_sepet(sepet)
    , m_d(denetimler)
{
    sayfayiKur();
    ToplamlariGoster();
}

SepetSayfasi::~SepetSayfasi() = default;

void SepetSayfasi::sayfayiKur()
{
    QWidget *sayfa = m_d.ssepet;
    auto *dikey = new QVBoxLayout(sayfa);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);

    gridiKur();
    dikey->addWidget(cxGrid2, 1);

    auto *serit = new QWidget(sayfa);
    serit->setObjectName(QStringLiteral("secimSeridi"));
    auto *yatay = new QHBoxLayout(serit);
    yatay->setContentsMargins(4, 4, 4, 4);
    hepsiniSecDugmesi = new QPushButton(QStringLiteral("Hepsini Seç"), serit);
    hepsiniSecDugmesi->setObjectName(QStringLiteral("hepsiniSec"));
    secimleriKaldirDugmesi = new QPushButton(QStringLiteral("Seçimleri Kaldır"), serit);
    secimleriKaldirDugmesi->setObjectName(QStringLiteral("secimleriKaldir"));
    for (QPushButton *d : { hepsiniSecDugmesi, secimleriKaldirDugmesi }) {
        d->setAutoDefault(false);
        d->setMinimumHeight(30);
        yatay->addWidget(d);
    }
    lbluyarbakiye = new QLabel(serit);
    lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
    QFont uyari = lbluyarbakiye->font();
    uyari.setBold(true);
    uyari.setPixelSize(16);
    lbluyarbakiye->setFont(uyari);
    QPalette kirmizi = lbluyarbakiye->palette();
    kirmizi.setColor(QPalette::WindowText, Qt::red);
    lbluyarbakiye->setPalette(kirmizi);
    lbluyarbakiye->setStyleSheet(QStringLiteral("color: red;"));
    lbluyarbakiye->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    yatay->addWidget(lbluyarbakiye, 1);
    dikey->addWidget(serit);
    connect(hepsiniSecDugmesi, &QPushButton::clicked, this, &SepetSayfasi::HepsiniSec);
    connect(secimleriKaldirDugmesi, &QPushButton::clicked, this, &SepetSayfasi::SecimleriKaldir);

    auto *panel = new QWidget(sayfa);
    panel->setObjectName(QStringLiteral("siparisPaneli"));
    panel->setFixedHeight(170);
    toplamAlani = toplamAlaniniKur(panel);
    SiparisGonder::Baglam b;
    b.bagc = &m_bagc;
    b.sbilgi = &m_sbilgi;
    b.sepet = &m_sepet;
    b.geneltoplaml = geneltoplaml;
    b.sepetYenile = [this] { return SepetYenile(); };
    b.excelKaydet = [this] { ExcelKaydet(cxGrid2->window(), *cxGrid2); };
    siparis = new SiparisGonder(std::move(b), panel, toplamAlani, this);
    dikey->addWidget(panel);
}

void SepetSayfasi::gridiKur()
{
    cxGrid2 = new Izgara(m_d.ssepet);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->gorunum()->setObjectName(QStringLiteral("cxGridDBTableView1"));

    auto durum = [](const QVariant &v) { return DurumSimgesi(v.isValid() ? v.toInt() : -1); };
    auto durumAnlami = [](const QVariant &v) { return DurumAnlami(v.isValid() ? v.toInt() : -1); };

    std::vector<IzgaraSutunu> s;
    s.push_back(sutun("SEC", QStringLiteral("Seç"), 1, true, Sunum::TikKutusu, false));
    IzgaraSutunu tarih = sutun("VERILISTARIHI", QStringLiteral("Sipariş Tarihi"), 1, true);
    tarih.ozet = Ozet::Sayi;
    s.push_back(tarih);
    s.push_back(sutun("BARKOD", QStringLiteral("Barkod"), 2, true));
    s.push_back(sutun("FINISHKOD", QStringLiteral("FinishKod"), 2, true));
    s.push_back(sutun("OEMNO", QStringLiteral("OEMNo"), 2, true));
    s.push_back(sutun("STOKADI", QStringLiteral("Stok Açıklama"), 3, true, Sunum::SarmaliMetin));
    IzgaraSutunu miktar = sutun("MIKTAR", QStringLiteral("Miktar"), 1, true);
    miktar.ozet = Ozet::Toplam;
    s.push_back(miktar);
    s.push_back(sutun("BIRIMFIYAT", QStringLiteral("Birim Fiyat"), 1, true));
    s.push_back(sutun("TUTAR", QStringLiteral("Tutar"), 1, true));
    s.push_back(sutun("INDIRIMYAZI", QStringLiteral("İndirim Oran"), 2, true, Sunum::OrtaliMetin));
    s.push_back(sutun("NETBIRIMFIYAT", QStringLiteral("Net Fiyat"), 1, true));
    IzgaraSutunu net = sutun("NETTUTAR", QStringLiteral("Net Tutar"), 1, true);
    net.ozet = Ozet::Toplam;
    s.push_back(net);
    s.push_back(sutun("VEREN", QStringLiteral("Veren"), 1, true));
    IzgaraSutunu d = sutun("DURUM", QStringLiteral("Durum"), 1, true, Sunum::Simge);
    d.simge = durum;
    d.simgeMetni = durumAnlami;
    s.push_back(d);

    // Hidden, offered in the column chooser.
    s.push_back(sutun("SIPARISNO", QStringLiteral("Sipariş No"), 0, false));
    s.push_back(sutun("TARIH", QStringLiteral("Tarih"), 1, false));
    s.push_back(sutun("KDV", QStringLiteral("KDV"), 1, false));
    s.push_back(sutun("VERGITUTARI", QStringLiteral("Vergi Tutarı"), 1, false));
    s.push_back(sutun("KUR", QStringLiteral("Kur"), 1, false));
    s.push_back(sutun("SAAT", QStringLiteral("Saat"), 1, false));
    s.push_back(sutun("ACIKLAMA", QStringLiteral("Açıklama"), 1, false));
    for (const char *alan : { "OEM1", "OEM2", "OEM3", "OEM4", "DIGERADI", "DPKOD" })
        s.push_back(sutun(alan, QString::fromLatin1(alan), 1, false));
    s.push_back(sutun("MARKA", QStringLiteral("Marka"), 1, false));
    s.push_back(sutun("MODEL", QStringLiteral("Model"), 1, false));
    s.push_back(sutun("ANAGRUP", QStringLiteral("Ana Grup"), 1, false));
    s.push_back(sutun("OZELKOD", QStringLiteral("Özel Kod"), 1, false));
    s.push_back(sutun("PKOD", QStringLiteral("PKOD"), 1, false));
    s.push_back(sutun("INDIRIMORANI4", QStringLiteral("INDIRIMORANI4"), 0, false));

    // Hidden and not offered.
    const struct
    {
        const char *alan;
        QString baslik;
    } gizli[] = {
        { "SIRANO", {} },
        { "CARINO", {} },
        { "AKTAR", {} },
        { "STOKNO", {} },
        { "INDIRIMORANI1", QStringLiteral("İndirim Oranı %") },
        { "INDIRIMORANI2", {} },
        { "INDIRIMORANI3", {} },
        { "INDIRIMTUTAR", QStringLiteral("İndirim Tutar") },
        { "KURTL", {} },
        { "VERENIDNO", {} },
        { "TESLIMID", {} },
        { "KARGOID", {} },
        { "IDNO", {} },
        { "VERENSIRANO", {} },
        { "CARIKOD", QStringLiteral("Cari Kod") },
        { "CARIADI", QStringLiteral("Cari Adı") },
        { "STOK_STOKNO", {} },
        { "URETICIKODU", {} },
        { "KALAN", QStringLiteral("Kalan") },
    };
    for (const auto &g : gizli)
        s.push_back(sutun(g.alan, g.baslik, 1, false, Sunum::Metin, false));
    cxGrid2->setSutunlar(std::move(s));

    cxGrid2->setSatirYuksekligi(40);
    cxGrid2->setBaslikYuksekligi(40);
    cxGrid2->setAltBilgiGorunur(true);
    cxGrid2->setSutunSecici(true);
    Izgara::Renkler renk;
    // The reverse of the stock list: even rows white, odd ones grey.
    renk.cift = Qt::white;
    renk.tek = QColor(239, 239, 239);
    cxGrid2->setRenkler(renk);
    cxGrid2->setTablo(&m_sepet);

    PopupMenu1 = new QMenu(cxGrid2);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    satirDegistirEylemi = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"), this, &SepetSayfasi::SatirDegistir);
    PopupMenu1->addSeparator();
    satirSilEylemi = PopupMenu1->addAction(QStringLiteral("Satır Sil"), this, &SepetSayfasi::SatirSil);
    PopupMenu1->addSeparator();
    hepsiniSilEylemi = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"), this, &SepetSayfasi::HepsiniSil);
    cxGrid2->setBaglamMenusu(PopupMenu1);

    connect(cxGrid2, &Izgara::satirCiftTiklandi, this, [this] { SatirDegistir(); });
    connect(cxGrid2, &Izgara::boyutDegisti, this, [this] { SutunDuzeni(m_d.ssepet->window()->width()); });
}

QWidget *SepetSayfasi::toplamAlaniniKur(QWidget *ebeveyn)
{
    auto *alan = new QWidget(ebeveyn);
    alan->setObjectName(QStringLiteral("toplamAlani"));
    auto *izgara = new QGridLayout(alan);
    izgara->setContentsMargins(6, 0, 0, 0);
    izgara->setHorizontalSpacing(10);
    izgara->setVerticalSpacing(2);
    auto satir = [&](int i, const QString &baslik, const char *ad, QLabel *&deger, QLabel **baslikEtiketi = nullptr,
                     bool kalin = false) {
        auto *b = new QLabel(baslik, alan);
        auto *d = new QLabel(alan);
        d->setObjectName(QString::fromLatin1(ad));
        d->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        d->setMinimumWidth(110);
        if (kalin) {
            QFont f = b->font();
            f.setBold(true);
            b->setFont(f);
            d->setFont(f);
        }
        izgara->addWidget(b, i, 0);
        izgara->addWidget(d, i, 1);
        deger = d;
        if (baslikEtiketi)
            *baslikEtiketi = b;
    };
    satir(0, QStringLiteral("Toplam:"), "aratoplaml", aratoplaml);
    satir(1, QStringLiteral("İndirim Toplam:"), "indiriml", indiriml, &Label4);
    satir(2, QStringLiteral("Ara Toplam:"), "nettutarl", nettutarl);
    satir(3, QStringLiteral("Vergi:"), "vergil", vergil, &Label6);
    satir(4, QStringLiteral("Genel Toplam:"), "geneltoplaml", geneltoplaml, nullptr, true);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label6->setObjectName(QStringLiteral("Label6"));
    izgara->setRowStretch(5, 1);
    return alan;
}

void SepetSayfasi::ToplamlariGoster()
{
    const SepetToplamlari t = SepetToplamiHesapla(m_sepet);
    aratoplaml->setText(ParaBicimle(t.toplam));
    indiriml->setText(ParaBicimle(t.indirim));
    nettutarl->setText(ParaBicimle(t.araToplam));
    vergil->setText(ParaBicimle(t.vergi));
    geneltoplaml->setText(ParaBicimle(t.genelToplam));
    // Totals of 1.00 or less hide their line.
    const bool vergiVar = t.vergi > 1;
    const bool indirimVar = t.indirim > 1;
    vergil->setVisible(vergiVar);
    Label6->setVisible(vergiVar);
    indiriml->setVisible(indirimVar);
    Label4->setVisible(indirimVar);
}

bool SepetSayfasi::SepetYenile()
{
    auto baglanti = m_bagc.clone();
    if (!SepetYukle(*baglanti, m_sbilgi, m_sepet))
        return false;
    baslikYaz();
    ToplamlariGoster();
    return true;
}

void SepetSayfasi::baslikYaz()
{
    const int i = m_d.sPageControl1->indexOf(m_d.ssepet);
    if (i >= 0)
        m_d.sPageControl1->setTabText(i, QString::number(m_sepet.rowCount()) + QLatin1Char('=') + baslikSepet);
}

void SepetSayfasi::SayfaGosterildi()
{
    uyariBak();
    SepetYenile();
    siparis->TurleriYukle();
}

void SepetSayfasi::uyariBak()
{
    auto baglanti = std::shared_ptr<Connection>(m_bagc.clone());
    const qint32 carino = m_sbilgi.FCARINO;
    QPointer<QLabel> etiket(lbluyarbakiye);
    AyriThreaddeCalistir([baglanti, carino, etiket] {
        if (!BaglantiKontrol(*baglanti, false))
            return;
        QString metin;
        try {
            TServerMethods1Client proxy(baglanti.get());
            metin = proxy.CariVadeGunGecmismiBul(carino);
        } catch (...) {
            metin.clear();
        }
        baglanti->close();
        UIyaGonder([etiket, metin] {
            if (etiket)
                etiket->setText(metin);
        });
    });
}

bool SepetSayfasi::secimGonder(int sirano, int deger)
{
    auto baglanti = m_bagc.clone();
    if (!BaglantiKontrol(*baglanti, false))
        return false;
    try {
        TServerMethods1Client proxy(baglanti.get());
        proxy.SepetSecimGuncelle(sirano, deger);
    } catch (...) {
        baglanti->close();
        return false;
    }
    baglanti->close();
    return true;
}

void SepetSayfasi::secimHatasi()
{
    HataGoster(QString::fromUtf8(baglantikontrol::mesaj), m_d.ssepet->window());
    // One plain attempt: the server just failed, so no second round of retries.
    auto baglanti = m_bagc.clone();
    ResultTable yeni;
    try {
        baglanti->open();
        TServerMethods1Client proxy(baglanti.get());
        yeni = std::move(*proxy.SepetVer2(m_sbilgi.FCARINO));
    } catch (...) {
        // The local ticks changed only after the server stored them, so they still match it.
        baglanti->close();
        ToplamlariGoster();
        return;
    }
    baglanti->close();
    m_sepet.loadPacket(std::move(yeni));
    OndalikBicimle(m_sepet);
    baslikYaz();
    ToplamlariGoster();
}

void SepetSayfasi::SecimDegistir(int satir)
{
    const int sec = m_sepet.columnIndex(u"SEC");
    const int sira = m_sepet.columnIndex(u"SIRANO");
    if (satir < 0 || satir >= m_sepet.rowCount() || sec < 0 || sira < 0)
        return;
    const int yeni = !m_sepet.isNull(satir, sec) && m_sepet.asInt(satir, sec) == 0 ? 1 : 0;
    // The order is made from the ticks the server holds: the screen shows a
    // tick only once the server has it.
    if (!secimGonder(int(m_sepet.asInt(satir, sira)), yeni)) {
        secimHatasi();
        return;
    }
    m_sepet.setInt(satir, sec, yeni);
    ToplamlariGoster();
}

void SepetSayfasi::hepsiniIsaretle(int deger)
{
    const int sec = m_sepet.columnIndex(u"SEC");
    const int sira = m_sepet.columnIndex(u"SIRANO");
    if (DoluMu(m_sepet) && sec >= 0 && sira >= 0) {
        for (int r = 0; r < m_sepet.rowCount(); ++r) {
            // Stop at the first line the server did not take: one message, not one per line.
            if (!secimGonder(int(m_sepet.asInt(r, sira)), deger)) {
                secimHatasi();
                aramaOdagi();
                return;
            }
            m_sepet.setInt(r, sec, deger);
        }
    }
    ToplamlariGoster();
    aramaOdagi();
}

void SepetSayfasi::aramaOdagi()
{
    if (m_d.araedit && m_d.araedit->isEnabled()) {
        m_d.araedit->selectAll();
        m_d.araedit->setFocus();
    }
}

void SepetSayfasi::SatirDegistir()
{
    const int satir = cxGrid2->odakSatiri();
    if (satir < 0 || satir >= m_sepet.rowCount())
        return;
    m_sepet.setCursor(satir);
    if (cxGrid2->odakSutunu() == u"SEC") {
        SecimDegistir(satir);
        return;
    }
    SepetBaglami b { &m_bagc, &m_sbilgi, &m_sepet, [this] { SepetYenile(); }, m_d.ssepet->window() };
    SepetSatiriniDegistir(b, satir);
}

void SepetSayfasi::SatirSil()
{
    const int satir = cxGrid2->odakSatiri();
    const int sira = m_sepet.columnIndex(u"SIRANO");
    if (satir < 0 || satir >= m_sepet.rowCount() || sira < 0)
        return;
    m_sepet.setCursor(satir);
    QWidget *pencere = m_d.ssepet->window();
    if (!SoruSor(QStringLiteral("Satırı silmek istiyor musunuz "), Dugme::Hayir, pencere))
        return;
    auto metin = [&](QStringView ad) {
        const int c = m_sepet.columnIndex(ad);
        return c < 0 ? QString() : m_sepet.asString(satir, c);
    };
    const qint32 sirano = qint32(m_sepet.asInt(satir, sira));
    const QString aciklama = metin(u"BARKOD") + QLatin1Char('-') + metin(u"STOKADI");
    if (!BaglantiKontrol(m_bagc, true))
        return;
    try {
        TServerMethods1Client proxy(&m_bagc);
        proxy.SepetSatirSil(m_sbilgi.KopyaVer(), sirano, aciklama);
    } catch (...) {
        m_bagc.close();
        GenelHataRaporu(std::current_exception());
        return;
    }
    m_bagc.close();
    SepetYenile();
    BilgiGoster(QStringLiteral("Satır silindi !"), pencere);
}

void SepetSayfasi::HepsiniSil()
{
    if (!DoluMu(m_sepet))
        return;
    QWidget *pencere = m_d.ssepet->window();
    if (!SoruSor(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), Dugme::Hayir, pencere))
        return;
    if (!BaglantiKontrol(m_bagc, true))
        return;
    try {
        TServerMethods1Client proxy(&m_bagc);
        proxy.SepetHepsiniSil(m_sbilgi.KopyaVer());
    } catch (...) {
        m_bagc.close();
        GenelHataRaporu(std::current_exception());
        return;
    }
    BilgiGoster(QStringLiteral("Sepet Silindi !"), pencere);
    m_bagc.close();
    SepetYenile();
}

void SepetSayfasi::KullaniciTipineUyarla(int musteriTipi)
{
    if (musteriTipi == 3) {
        cxGrid2->setSutunGorunur(u"DURUM", false);
        cxGrid2->setSutunSunulur(u"DURUM", false);
    }
    if (musteriTipi == 1 || musteriTipi == 2) {
        cxGrid2->setSutunGorunur(u"KALAN", true);
        cxGrid2->setSutunSunulur(u"KALAN", true);
    }
    SutunDuzeni(m_d.ssepet->window()->width());
}

void SepetSayfasi::SutunDuzeni(int pencereGenisligi)
{
    if (pencereGenisligi > darSinir)
        cxGrid2->agirlikliGenislikUygula();
    else
        cxGrid2->enIyiGenislikUygula();
}
