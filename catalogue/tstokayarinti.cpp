#include "catalogue/tstokayarinti.h"

#include "app/common/async.h"
#include "app/common/para.h"
#include "app/common/webkoku.h"
#include "catalogue/fiyatonizleme.h"

#include <httplib.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <optional>

namespace {

constexpr QSize resimAlani { 240, 180 };

QLabel *metinEtiketi(const char *ad, QWidget *ust)
{
    auto *l = new QLabel(ust);
    l->setObjectName(QLatin1String(ad));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(220);
    return l;
}

QLineEdit *paraAlani(const char *ad, QWidget *ust)
{
    auto *e = new QLineEdit(ust);
    e->setObjectName(QLatin1String(ad));
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setReadOnly(true);
    e->setText(ParaBicimle(0));
    return e;
}

QPushButton *dugme(const char *ad, const QString &yazi, QWidget *ust)
{
    auto *b = new QPushButton(yazi, ust);
    b->setObjectName(QLatin1String(ad));
    // Enter belongs to the fields: the quantity confirms, the price swallows it.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

std::optional<double> tutarOku(const QString &metin)
{
    const QString t = metin.trimmed();
    bool tamam = false;
    const double v = QLocale().toDouble(t, &tamam);
    if (tamam)
        return v;
    const double c = QLocale::c().toDouble(t, &tamam);
    if (tamam)
        return c;
    return std::nullopt;
}

} // namespace

QPixmap StokResmiYeriTutucu(const QSize &boy)
{
    QPixmap p(boy);
    p.fill(Qt::white);
    QPainter r(&p);
    r.setRenderHint(QPainter::Antialiasing);
    const QRectF cerceve = QRectF(p.rect()).adjusted(8, 8, -8, -8);
    r.setPen(QPen(QColor(0, 70, 140), 3));
    r.setBrush(QColor(235, 242, 250));
    r.drawRoundedRect(cerceve, 14, 14);
    QFont f = r.font();
    f.setBold(true);
    f.setPixelSize(boy.height() / 6);
    r.setFont(f);
    r.setPen(QColor(0, 70, 140));
    r.drawText(cerceve.adjusted(0, 0, 0, -boy.height() / 6), Qt::AlignCenter, QStringLiteral("TARNEVO"));
    f.setBold(false);
    f.setPixelSize(boy.height() / 11);
    r.setFont(f);
    r.setPen(QColor(200, 30, 30));
    r.drawText(cerceve.adjusted(0, boy.height() / 4, 0, 0), Qt::AlignCenter, QStringLiteral("Otomotiv"));
    return p;
}

Tstokayarinti::Tstokayarinti(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Sepete Ekle"));

    barkod = metinEtiketi("barkod", this);
    adi = metinEtiketi("adi", this);
    adi->setWordWrap(true);
    finishkod = metinEtiketi("finishkod", this);
    marka = metinEtiketi("marka", this);
    model = metinEtiketi("model", this);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(resimAlani);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(StokResmiYeriTutucu(resimAlani));

    adet = new QSpinBox(this);
    adet->setObjectName(QStringLiteral("adet"));
    adet->setRange(1, 10000);
    adet->setValue(1);
    adet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label2 = new QLabel(QStringLiteral("Fiyat:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    birimfiyat = paraAlani("birimfiyat", this);
    indirimoran = new QLabel(QStringLiteral("İndirim:"), this);
    indirimoran->setObjectName(QStringLiteral("indirimoran"));
    indtutar = paraAlani("indtutar", this);
    kdvdahiltutar = paraAlani("kdvdahiltutar", this);
    geneltutar = paraAlani("geneltutar", this);

    ParcaliTus1 = dugme("ParcaliTus1", QStringLiteral("Sipariş ekle"), this);
    ParcaliTus2 = dugme("ParcaliTus2", QStringLiteral("Vazgeç"), this);

    auto *bilgiler = new QGridLayout;
    int satir = 0;
    auto ekle = [&](QLabel *baslik, QWidget *alan) {
        bilgiler->addWidget(baslik, satir, 0);
        bilgiler->addWidget(alan, satir, 1);
        ++satir;
    };
    ekle(new QLabel(QStringLiteral("Barkod:"), this), barkod);
    ekle(new QLabel(QStringLiteral("Açıklama:"), this), adi);
    ekle(new QLabel(QStringLiteral("Finish Kod:"), this), finishkod);
    ekle(new QLabel(QStringLiteral("Marka:"), this), marka);
    ekle(new QLabel(QStringLiteral("Model:"), this), model);

    auto *tutarlar = new QGridLayout;
    satir = 0;
    auto ekle2 = [&](QLabel *baslik, QWidget *alan) {
        tutarlar->addWidget(baslik, satir, 0);
        tutarlar->addWidget(alan, satir, 1);
        ++satir;
    };
    ekle2(new QLabel(QStringLiteral("Adet:"), this), adet);
    ekle2(Label2, birimfiyat);
    ekle2(indirimoran, indtutar);
    ekle2(new QLabel(QStringLiteral("KDV Dahil:"), this), kdvdahiltutar);
    ekle2(new QLabel(QStringLiteral("Tutar:"), this), geneltutar);

    auto *ust = new QHBoxLayout;
    ust->addWidget(Image1, 0, Qt::AlignTop);
    ust->addLayout(bilgiler, 1);
    auto *dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    dugmeler->addWidget(ParcaliTus1);
    dugmeler->addWidget(ParcaliTus2);
    auto *ana = new QGridLayout(this);
    ana->addLayout(ust, 0, 0);
    ana->addLayout(tutarlar, 1, 0);
    ana->addLayout(dugmeler, 2, 0);

    connect(ParcaliTus1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ParcaliTus2, &QPushButton::clicked, this, &QDialog::reject);
    connect(adet, &QSpinBox::valueChanged, this, [this] { Hesapla(); });
    // Pasting with the mouse changes the price without a key.
    connect(birimfiyat, &QLineEdit::textEdited, this, [this] { Hesapla(); });
    adet->installEventFilter(this);
    for (QLineEdit *e : { birimfiyat, indtutar, kdvdahiltutar, geneltutar })
        e->installEventFilter(this);
    adet->setFocus();
}

Tstokayarinti::~Tstokayarinti() = default;

double Tstokayarinti::birimFiyatDegeri() const
{
    return tutarOku(birimfiyat->text()).value_or(0);
}

void Tstokayarinti::setBirimFiyat(double fiyat)
{
    birimfiyat->setText(ParaBicimle(fiyat));
}

void Tstokayarinti::setFiyatDuzenlenir(bool duzenlenir)
{
    birimfiyat->setReadOnly(!duzenlenir);
}

void Tstokayarinti::Hesapla()
{
    const FiyatOnizleme o
        = FiyatOnizlemeHesapla(birimFiyatDegeri(), adet->value(), kdvoran, { ind1, ind2, ind3, ind4 });
    indtutar->setText(ParaBicimle(o.indirimTutari));
    kdvdahiltutar->setText(ParaBicimle(o.kdvDahilBirimFiyat));
    geneltutar->setText(ParaBicimle(o.genelTutar));
}

bool Tstokayarinti::resimGoster(const QByteArray &veri, const char *bicim)
{
    QImage resim;
    if (veri.isEmpty() || !resim.loadFromData(veri, bicim) || resim.isNull())
        return false;
    Image1->setPixmap(QPixmap::fromImage(resim.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return true;
}

void Tstokayarinti::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Hesapla();
}

bool Tstokayarinti::event(QEvent *e)
{
    const bool sonuc = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate)
        etkinlesti();
    return sonuc;
}

void Tstokayarinti::etkinlesti()
{
    Hesapla();
    adet->setFocus();
    adet->selectAll();
    webResmiIste();
}

bool Tstokayarinti::eventFilter(QObject *nesne, QEvent *olay)
{
    if (olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent *>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {
            if (nesne == adet) {
                accept();
                return true;
            }
            if (nesne == birimfiyat)
                return true;
        }
    } else if (olay->type() == QEvent::KeyRelease && nesne != adet) {
        Hesapla();
    }
    return QDialog::eventFilter(nesne, olay);
}

void Tstokayarinti::webResmiIste()
{
    const HttpHedef hedef
        = HttpHedefAyir(WebKoku() + QStringLiteral("resimgoster.ashx?id=") + QString::number(_stokno));
    auto govde = std::make_shared<std::optional<QByteArray>>();
    Async([hedef, govde] {
        // A missing picture is no error worth telling: every failure stays silent.
        try {
            httplib::Client istemci(hedef.sunucu);
            istemci.set_connection_timeout(resimBaglanmaSuresi);
            istemci.set_read_timeout(resimOkumaSuresi);
            istemci.set_write_timeout(resimOkumaSuresi);
            istemci.set_keep_alive(false);
            const httplib::Result r = istemci.Get(hedef.yol);
            if (r && r->status >= 200 && r->status < 300 && r->body.size() >= size_t(resimEnAzBoy))
                *govde = QByteArray(r->body.data(), qsizetype(r->body.size()));
        } catch (...) { }
    })
        ->Await(
            [this, govde] {
                if (*govde && isVisible())
                    resimGoster(**govde);
            },
            this);
}
