#include "catalogue/siparisgonder.h"

#include "app/common/async.h"
#include "app/common/baglantikontrol.h"
#include "app/common/mesajgoster.h"
#include "app/common/tablo.h"
#include "catalogue/tonaysip.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

QString SiparisOzeti(const QString &kullanici, const QString &cari, const QString &teslim, const QString &kargoTuru,
                     const QString &tutar, const QString &kargoFirmasi, const QString &aciklama)
{
    return QStringList { QStringLiteral("Kullanıcı: ") + kullanici, QStringLiteral("Cari     : ") + cari,
                         QStringLiteral("Teslim   : ") + teslim,    QStringLiteral("Kargo    : ") + kargoTuru,
                         QStringLiteral("Tutar    : ") + tutar,     QStringLiteral("Kargo    : ") + kargoFirmasi,
                         QStringLiteral("Açıklama : ") + aciklama }
        .join(QStringLiteral("\r\n"));
}

namespace {

QGroupBox *secimKutusu(const QString &baslik, const char *ad, QButtonGroup *&grup, QWidget *ebeveyn)
{
    auto *kutu = new QGroupBox(baslik, ebeveyn);
    kutu->setObjectName(QString::fromLatin1(ad));
    auto *dikey = new QVBoxLayout(kutu);
    dikey->setContentsMargins(8, 4, 8, 4);
    dikey->setSpacing(2);
    dikey->addStretch(1);
    grup = new QButtonGroup(kutu);
    grup->setExclusive(true);
    return kutu;
}

} // namespace

SiparisGonder::SiparisGonder(Baglam baglam, QWidget *panel, QWidget *toplamAlani, QObject *parent)
    : QObject(parent)
    , m_b(std::move(baglam))
    , m_panel(panel)
{
    auto *yatay = new QHBoxLayout(panel);
    yatay->setContentsMargins(4, 4, 4, 4);
    yatay->setSpacing(6);

    teslimbox = secimKutusu(QStringLiteral("Teslim Durumu"), "teslimbox", teslimGrubu, panel);
    boxkargo = secimKutusu(QStringLiteral("Kargo Türleri"), "boxkargo", kargoGrubu, panel);
    yatay->addWidget(teslimbox, 2);
    yatay->addWidget(boxkargo, 2);

    kargoKutusu = new QGroupBox(QStringLiteral("Kargo"), panel);
    kargoKutusu->setObjectName(QStringLiteral("kargoKutusu"));
    auto *kargoDikey = new QVBoxLayout(kargoKutusu);
    kargoDikey->setContentsMargins(8, 4, 8, 4);
    kargocombo = new QComboBox(kargoKutusu);
    kargocombo->setObjectName(QStringLiteral("kargocombo"));
    kargocombo->setEditable(false);
    kargocombo->addItem(QStringLiteral(" "));
    kargocombo->setCurrentIndex(-1);
    kargoDikey->addWidget(kargocombo);
    uyarikargo = new QLabel(kargoKutusu);
    uyarikargo->setObjectName(QStringLiteral("uyarikargo"));
    uyarikargo->setWordWrap(true);
    uyarikargo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kargoDikey->addWidget(uyarikargo, 1);
    yatay->addWidget(kargoKutusu, 2);

    mesajKutusu = new QGroupBox(QStringLiteral("Mesaj"), panel);
    mesajKutusu->setObjectName(QStringLiteral("mesajKutusu"));
    auto *mesajYatay = new QHBoxLayout(mesajKutusu);
    mesajYatay->setContentsMargins(8, 4, 8, 4);
    aciklamagir = new QPlainTextEdit(mesajKutusu);
    aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
    aciklamagir->setTabChangesFocus(true);
    mesajYatay->addWidget(aciklamagir, 1);
    toplamAlani->setParent(mesajKutusu);
    mesajYatay->addWidget(toplamAlani);
    yatay->addWidget(mesajKutusu, 5);

    auto *dugmeler = new QVBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Gönder"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    excelDugmesi = new QPushButton(QStringLiteral("Excel Kaydet"), panel);
    excelDugmesi->setObjectName(QStringLiteral("excelKaydet"));
    for (QPushButton *d : { Button1, excelDugmesi }) {
        d->setMinimumSize(120, 40);
        d->setAutoDefault(false);
        dugmeler->addWidget(d);
    }
    dugmeler->addStretch(1);
    yatay->addLayout(dugmeler);

    // A main window has no default button of its own: Enter anywhere in this
    // panel presses "Gönder", except in the note, where it starts a new line
    // (the note takes the key before any shortcut sees it).
    Button1->setDefault(true);
    for (QKeySequence tus : { QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) }) {
        auto *kisayol = new QShortcut(tus, panel);
        kisayol->setContext(Qt::WidgetWithChildrenShortcut);
        connect(kisayol, &QShortcut::activated, Button1, &QPushButton::click);
    }

    connect(Button1, &QPushButton::clicked, this, &SiparisGonder::Gonder);
    connect(excelDugmesi, &QPushButton::clicked, this, [this] {
        if (m_b.excelKaydet)
            m_b.excelKaydet();
    });
    connect(kargoGrubu, &QButtonGroup::buttonClicked, this, [this] { KargoTuruSecildi(); });
    connect(kargocombo, &QComboBox::currentIndexChanged, this, [this] { KargoFirmasiSecildi(); });
}

SiparisGonder::~SiparisGonder() = default;

int SiparisGonder::teslimId() const
{
    return teslimGrubu->checkedButton() ? teslimGrubu->checkedId() : -1;
}

int SiparisGonder::kargoTuruId() const
{
    return kargoGrubu->checkedButton() ? kargoGrubu->checkedId() : -1;
}

void SiparisGonder::grubuDoldur(QGroupBox *kutu, QButtonGroup *grup, const ResultTable &satirlar)
{
    for (QAbstractButton *d : grup->buttons()) {
        grup->removeButton(d);
        delete d;
    }
    auto *dikey = static_cast<QVBoxLayout *>(kutu->layout());
    const bool yeterli = satirlar.columnCount() >= 2;
    for (int r = 0; yeterli && r < satirlar.rowCount(); ++r) {
        auto *d = new QRadioButton(satirlar.asString(r, 1), kutu);
        grup->addButton(d, int(satirlar.asInt(r, 0)));
        dikey->insertWidget(dikey->count() - 1, d);
    }
}

void SiparisGonder::TurleriYukle()
{
    auto baglanti = m_b.bagc->clone();
    if (!BaglantiKontrol(*baglanti, true))
        return;
    ResultTable teslim, turler;
    try {
        TServerMethods1Client proxy(baglanti.get());
        teslim = std::move(*proxy.TeslimVer());
        turler = std::move(*proxy.KargoVer());
    } catch (...) {
        baglanti->close();
        GenelHataRaporu(std::current_exception());
        return;
    }
    baglanti->close();

    grubuDoldur(teslimbox, teslimGrubu, teslim);
    const QList<QAbstractButton *> teslimler = teslimGrubu->buttons();
    if (teslimler.size() > 1)
        teslimler[1]->setChecked(true);
    else if (teslimler.size() == 1)
        teslimler[0]->setChecked(true);
    grubuDoldur(boxkargo, kargoGrubu, turler);
}

void SiparisGonder::KargoTuruSecildi()
{
    uyarikargo->clear();
    const int tur = kargoTuruId();
    if (!kargoGrubu->checkedButton())
        return;
    Connection &bagc = *m_b.bagc;
    if (!BaglantiKontrol(bagc, true))
        return;
    ResultTable yeni;
    try {
        TServerMethods1Client proxy(&bagc);
        yeni = std::move(*proxy.KargolarVer(tur));
    } catch (...) {
        bagc.close();
        GenelHataRaporu(std::current_exception());
        return;
    }
    bagc.close();
    kargo.loadPacket(std::move(yeni));

    const QSignalBlocker sessiz(kargocombo);
    kargocombo->clear();
    kargocombo->addItem(QStringLiteral(" "));
    for (int r = 0; r < kargo.rowCount(); ++r)
        kargocombo->addItem(kargoSutunu(r, u"ADI"));
    kargocombo->setCurrentIndex(-1);
}

QString SiparisGonder::kargoSutunu(int satir, QStringView ad) const
{
    const int c = kargo.columnIndex(ad);
    return c < 0 ? QString() : kargo.asString(satir, c);
}

int SiparisGonder::kargoSatiri(const QString &adi) const
{
    if (kargo.columnIndex(u"ADI") < 0)
        return -1;
    for (int r = 0; r < kargo.rowCount(); ++r)
        if (kargoSutunu(r, u"ADI") == adi)
            return r;
    return -1;
}

void SiparisGonder::KargoFirmasiSecildi()
{
    const int r = kargocombo->currentIndex() < 0 ? -1 : kargoSatiri(kargocombo->currentText());
    uyarikargo->setText(r < 0 ? QString() : kargoSutunu(r, u"UYARI"));
}

void SiparisGonder::Gonder()
{
    QWidget *pencere = m_panel->window();
    if (!SecimVarMi(*m_b.sepet)) {
        UyariGoster(QStringLiteral("Gönderilecek Parça Yok "), pencere);
        return;
    }
    if (!teslimGrubu->checkedButton()) {
        UyariGoster(QStringLiteral("Lütfen Teslim Durumu Seçiniz !"), pencere);
        return;
    }
    if (!kargoGrubu->checkedButton()) {
        UyariGoster(QStringLiteral("Lütfen Kargo Türünü Seçiniz !"), pencere);
        return;
    }
    if (kargocombo->currentIndex() <= 0) {
        UyariGoster(QStringLiteral("Lütfen Kargo  Seçiniz !"), pencere);
        kargocombo->setFocus();
        return;
    }

    const QString firma = kargocombo->currentText();
    const int firmaSatiri = kargoSatiri(firma);
    const int c = kargo.columnIndex(u"SIRANO");
    // A company no row names any more gets no id, which the server refuses.
    const qint32 kargoyeni = firmaSatiri < 0 || c < 0 ? 0 : qint32(kargo.asInt(firmaSatiri, c));
    const qint32 teslim = teslimId();
    const qint32 tur = kargoTuruId();
    QString not_ = aciklamagir->toPlainText();
    not_.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));

    const TSonucBilgisi &s = *m_b.sbilgi;
    {
        TONAYSIP onay(pencere);
        onay.setOzet(SiparisOzeti(s.FADI, s.FCariAdi, teslimGrubu->checkedButton()->text(),
                                  kargoGrubu->checkedButton()->text(), m_b.geneltoplaml->text(), firma, not_));
        if (onay.exec() != QDialog::Accepted)
            return;
    }

    Connection &bagc = *m_b.bagc;
    bool kaydedildi = false;
    if (BaglantiKontrol(bagc, true)) {
        try {
            TServerMethods1Client proxy(&bagc);
            kaydedildi = proxy.SiparisKaydet(s.KopyaVer(), s.FCARINO, teslim, tur, not_, s.FSirano, kargoyeni);
        } catch (...) {
            bagc.close();
            GenelHataRaporu(std::current_exception());
            return;
        }
        bagc.close();
    }
    if (!kaydedildi) {
        HataGoster(QStringLiteral("Sipariş Göndermede Hata"), pencere);
        return;
    }
    BilgiGoster(QStringLiteral("Siparişiniz Gönderildi !"), pencere);
    if (m_b.sepetYenile)
        m_b.sepetYenile();
    aciklamagir->clear();
}
