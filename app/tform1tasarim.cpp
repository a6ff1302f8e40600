// The main window's construction: header panel and search bar.
#include "app/tform1.h"

#include "app/gorunum.h"
#include "catalogue/sepetegiris.h"
#include "catalogue/sepetsayfasi.h"
#include "catalogue/stoklistesi.h"
#include "promo/sekmerozeti.h"
#include "platform/mesgulgosterge.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolButton>
#include <QValidator>

namespace {

// Everything typed or set shows in upper case ("i" becomes "I", as the catalogue folds it).
class BuyukHarf : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &metin, int &) const override
    {
        metin = metin.toUpper();
        return Acceptable;
    }
};

QPixmap svgResim(const QString &kaynak, QSize alan, qreal oran)
{
    QSvgRenderer cizici(kaynak);
    QSize boy = cizici.defaultSize().scaled(alan, Qt::KeepAspectRatio);
    QPixmap resim(boy * oran);
    resim.setDevicePixelRatio(oran);
    resim.fill(Qt::transparent);
    QPainter ressam(&resim);
    cizici.render(&ressam, QRectF(QPointF(0, 0), boy));
    return resim;
}

QLabel *etiket(const QString &metin, const char *rol, QWidget *ebeveyn)
{
    auto *e = new QLabel(metin, ebeveyn);
    e->setProperty("rol", rol);
    return e;
}

} // namespace

void TForm1::tasarimKur()
{
    GorunumKaynaklariniYukle();
    setFont(PencereYazisi());
    auto *govde = new QWidget(this);
    govde->setObjectName(QStringLiteral("govde"));
    auto *dikey = new QVBoxLayout(govde);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);
    menuKur();
    ustPanelKur(dikey);
    aramaCubuguKur(dikey);
    sekmeleriKur(dikey);
    durumAciklamasiKur(dikey);
    altSeritKur(dikey);
    setCentralWidget(govde);
    stokListesi = new StokListesi(bagc, sbilgi,
                                  { araedit, SpeedButton2, SpeedButton1, gifstokara, sPageControl1, sstoklistesi }, this);
    stokListesi->setSepeteEkle([this](ResultTable &stok, int satir) {
        SepetBaglami b { &bagc, &sbilgi, &sepet, [this] { SepetYenile(); }, this };
        ListedenSepeteEkle(b, StokKaynagi::StokListesi, stok, satir);
    });
    sepetSayfasi = new SepetSayfasi(bagc, sbilgi, sepet, { araedit, sPageControl1, ssepet }, this);
    m_sepetIzgarasi.izgara = sepetSayfasi->cxGrid2;
    // Every time the basket page becomes the current one.
    connect(sPageControl1, &QTabWidget::currentChanged, this, [this] {
        if (sPageControl1->currentWidget() == ssepet)
            sepetSayfasi->SayfaGosterildi();
    });
    resize(1280, 800);
}

void TForm1::ustPanelKur(QVBoxLayout *dikey)
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(100);
    auto *yatay = new QHBoxLayout(Panel1);
    yatay->setContentsMargins(10, 0, 0, 0);
    yatay->setSpacing(16);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(svgResim(QStringLiteral(":/tarnevooto/logo.svg"), { 240, 80 }, devicePixelRatioF()));
    yatay->addWidget(Image1);

    auto *izgara = new QGridLayout;
    izgara->setContentsMargins(0, 12, 0, 12);
    izgara->setVerticalSpacing(4);
    izgara->setHorizontalSpacing(6);
    const QString basliklar[]
        = { QStringLiteral("Kullanıcı: "), QStringLiteral("Firma: "), QStringLiteral("Temsilci: ") };
    QLabel **degerler[] = { &kullanicilbl, &cariadilbl, &saticilbl };
    const char *adlar[] = { "kullanicilbl", "cariadilbl", "saticilbl" };
    for (int i = 0; i < 3; ++i) {
        izgara->addWidget(etiket(basliklar[i], "baslik", Panel1), i, 0);
        *degerler[i] = etiket(QString(), "deger", Panel1);
        (*degerler[i])->setObjectName(QString::fromLatin1(adlar[i]));
        (*degerler[i])->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A long representative line must not widen the window beyond a small screen.
        (*degerler[i])->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        izgara->addWidget(*degerler[i], i, 1);
    }
    izgara->setColumnStretch(1, 1);
    yatay->addLayout(izgara, 1);

    RxGIFAnimator1 = new QLabel(Panel1);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setFixedSize(409, 100);
    RxGIFAnimator1->setScaledContents(true);
    yatay->addWidget(RxGIFAnimator1);

    Button3 = new QToolButton(Panel1);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setText(QStringLiteral("Menü"));
    Button3->setIcon(QIcon(QStringLiteral(":/tarnevooto/menu.svg")));
    Button3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Button3->setPopupMode(QToolButton::MenuButtonPopup);
    Button3->setMenu(Genelmenu);
    // The button's face opens the same menu as its arrow.
    connect(Button3, &QToolButton::clicked, Button3, &QToolButton::showMenu);
    auto *sag = new QVBoxLayout;
    sag->setContentsMargins(0, 0, 10, 0);
    sag->addWidget(Button3, 0, Qt::AlignVCenter);
    yatay->addLayout(sag);
    dikey->addWidget(Panel1);
}

void TForm1::aramaCubuguKur(QVBoxLayout *dikey)
{
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(35);
    auto *yatay = new QHBoxLayout(Panel2);
    yatay->setContentsMargins(8, 2, 8, 2);
    yatay->setSpacing(6);

    araedit = new QLineEdit(Panel2);
    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setValidator(new BuyukHarf(araedit));
    QFont buyuk = font();
    buyuk.setPixelSize(20);
    araedit->setFont(buyuk);
    araedit->setFixedWidth(420);
    yatay->addWidget(araedit);

    auto dugme = [this](QToolButton *&d, const char *ad, const QString &ipucu, const char *simge) {
        d = new QToolButton(Panel2);
        d->setObjectName(QString::fromLatin1(ad));
        d->setToolTip(ipucu);
        d->setAccessibleName(ipucu);
        d->setIcon(QIcon(QString::fromLatin1(simge)));
        d->setIconSize({ 20, 20 });
        d->setAutoRaise(true);
        d->setFixedSize(31, 31);
        d->setFocusPolicy(Qt::NoFocus);
        return d;
    };
    yatay->addWidget(dugme(SpeedButton2, "SpeedButton2", QStringLiteral("Ara"), ":/tarnevooto/ara.svg"));
    yatay->addWidget(dugme(SpeedButton1, "SpeedButton1", QStringLiteral("Temizle"), ":/tarnevooto/temizle.svg"));

    musteritus = new QPushButton(QStringLiteral("Başka Cari Seç"), Panel2);
    musteritus->setObjectName(QStringLiteral("musteritus"));
    musteritus->setVisible(false);
    yatay->addWidget(musteritus);

    MesgulGosterge **mesguller[] = { &gifstokara, &gifyeniler, &gifkampanyali, &gifduyuru, &gifoncekiler, &gifekstre };
    const char *adlar[] = { "gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru", "gifoncekiler", "gifekstre" };
    for (int i = 0; i < 6; ++i) {
        *mesguller[i] = new MesgulGosterge(Panel2);
        (*mesguller[i])->setObjectName(QString::fromLatin1(adlar[i]));
        (*mesguller[i])->setVisible(false);
        yatay->addWidget(*mesguller[i]);
    }
    yatay->addStretch(1);
    dikey->addWidget(Panel2);
}
