#include "app/tgirisform.h"

#include "app/ayardosyasi.h"
#include "app/common/async.h"
#include "app/common/makine.h"
#include "app/common/mesajgoster.h"
#include "app/disip.h"
#include "app/girisarkaplan.h"
#include "app/girisbilgisi.h"
#include "app/surecsiniri.h"
#include "app/tdosyaindir.h"
#include "app/common/webkoku.h"
#include "platform/mesgulgosterge.h"
#include "promo/tformistekyeni.h"
#include "server/connection.h"

#include <deployment.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QUrl>
#include <QValidator>

namespace {

// Masks the password with "*" whatever the platform's style prefers; a style
// sheet cannot set the mask character in this Qt version.
class YildizliSifre : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

std::function<bool(Tgirisform &)> cariSecimi;
std::function<void(const QString &, const QString &)> istekFormu;

// Whatever is typed or pasted arrives in upper case.
class BuyukHarf : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &girdi, int &) const override
    {
        girdi = girdi.toUpper();
        return Acceptable;
    }
};

QLabel *etiket(const QString &metin, const QRect &yer, QWidget *ust)
{
    auto *l = new QLabel(metin, ust);
    l->setGeometry(yer);
    return l;
}

QLineEdit *alan(const char *ad, const QRect &yer, QWidget *ust)
{
    auto *e = new QLineEdit(ust);
    e->setObjectName(QLatin1String(ad));
    e->setGeometry(yer);
    e->setValidator(new BuyukHarf(e));
    return e;
}

QPushButton *dugme(const char *ad, const QString &metin, const QRect &yer, QWidget *ust)
{
    auto *b = new QPushButton(metin, ust);
    b->setObjectName(QLatin1String(ad));
    b->setGeometry(yer);
    b->setAutoDefault(false); // Enter belongs to the fields
    return b;
}

} // namespace

Tgirisform::Tgirisform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Giriş"));
    setFixedSize(368, 550);
    auto *zemin = new GirisArkaPlan(this);
    zemin->setGeometry(rect());

    etiket(QStringLiteral("Kullanıcı Adı:"), QRect(36, 330, 100, 24), this);
    adi = alan("adi", QRect(140, 330, 190, 26), this);
    etiket(QStringLiteral("Şifre:"), QRect(36, 366, 100, 24), this);
    sifre = alan("sifre", QRect(140, 366, 190, 26), this);
    sifre->setEchoMode(QLineEdit::Password);
    auto *maske = new YildizliSifre(QStyleFactory::create(QApplication::style()->name()));
    maske->setParent(sifre);
    sifre->setStyle(maske);
    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setGeometry(140, 400, 190, 22);
    benihatirla->setChecked(true);
    Button1 = dugme("Button1", QStringLiteral("Giriş"), QRect(140, 434, 92, 30), this);
    Button2 = dugme("Button2", QStringLiteral("Vazgeç"), QRect(238, 434, 92, 30), this);
    RxGIFAnimator1 = new MesgulGosterge(this);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setGeometry(96, 434, 30, 30);
    RxGIFAnimator1->durdur();

    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, [this] { SurecSiniri([this] { Button2Click(); }); });
    FormCreate();
}

Tgirisform::~Tgirisform()
{
    *m_iptal = true;
}

void Tgirisform::setCariSecimi(std::function<bool(Tgirisform &)> secim)
{
    cariSecimi = std::move(secim);
}

void Tgirisform::setIstekFormu(std::function<void(const QString &, const QString &)> ac)
{
    istekFormu = std::move(ac);
}

void Tgirisform::FormCreate()
{
    idsi = BilgisayarIdAl();
    AyarOku();
}

void Tgirisform::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (QScreen *ekran = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(ekran->availableGeometry().center());
        move(r.topLeft());
    }
    adi->setFocus();
}

void Tgirisform::AyarOku()
{
    const std::optional<Ayarlar> a = AyarDosyasiOku(AyarDosyasiYolu());
    if (!a)
        return;
    benihatirla->setChecked(a->hatirla);
    if (benihatirla->isChecked()) {
        adi->setText(a->isim);
        sifre->setText(a->sifre);
    }
}

void Tgirisform::AyarKaydet()
{
    const QString yol = AyarDosyasiYolu();
    if (!AyarDosyasiYaz(yol, { adi->text(), sifre->text(), benihatirla->isChecked() }))
        GenelHataRaporu(QStringLiteral("Ayar dosyası yazılamadı: ") + yol);
}

bool Tgirisform::eventFilter(QObject *nesne, QEvent *olay)
{
    if (olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent *>(olay)->key();
        if (tus == Qt::Key_Return || tus == Qt::Key_Enter) {
            if (nesne == adi)
                return adiKeyDown();
            if (nesne == sifre)
                return sifreKeyDown();
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

bool Tgirisform::adiKeyDown()
{
    if (adi->text().trimmed().isEmpty()) {
        QApplication::beep();
        UyariGoster(QStringLiteral("Lütfen kullanıcı adını giriniz !"), this);
        adi->selectAll();
        adi->setFocus();
        return true;
    }
    sifre->selectAll();
    sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown()
{
    if (sifre->text().trimmed().isEmpty()) {
        QApplication::beep();
        UyariGoster(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), this);
        sifre->selectAll();
        sifre->setFocus();
        return true;
    }
    if (Button1->isEnabled())
        Button1Click();
    return true;
}

void Tgirisform::Button1Click()
{
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    RxGIFAnimator1->baslat();
    struct Kapanis
    {
        QString disIp;
    };
    auto k = std::make_shared<Kapanis>();
    auto iptal = m_iptal;
    Async([k, iptal] { k->disIp = DisIpAl([iptal] { return !*iptal; }); })
        ->Await(
            [this, k] {
                if (*m_iptal)
                    return;
                Button1->setText(QStringLiteral("Giriş!"));
                RxGIFAnimator1->durdur();
                GirisBaslat(k->disIp);
            },
            this);
}

void Tgirisform::Button2Click()
{
    *m_iptal = true;
    SurecBitir(0);
}

void Tgirisform::GirisBaslat(const QString &disIp)
{
    if (disIp.trimmed().isEmpty()) {
        HataGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), this);
        Button1->setEnabled(true);
        return;
    }
    Bilgim->FDisip = disIp;
    bagim->setParam(QStringLiteral("HostName"), QString::fromUtf8(deployment::serverHost));
    dogrusonuc = false;
    Devamet();
}

void Tgirisform::Devamet()
{
    RxGIFAnimator1->baslat();
    struct Kapanis
    {
        std::unique_ptr<Connection> klon;
        QString idsi;
        GirisSonucu sonuc;
    };
    auto k = std::make_shared<Kapanis>();
    k->klon = bagim->clone();
    k->idsi = idsi;
    auto iptal = m_iptal;
    Async([k, iptal] {
        k->sonuc = GirisBilgisiAl(*k->klon, k->idsi, [iptal] { return !*iptal; });
    })->Await([this, k] { karar(k->sonuc); }, this);
}

void Tgirisform::karar(const GirisSonucu &sonuc)
{
    RxGIFAnimator1->durdur();
    if (!sonuc.hataMetni.isEmpty())
        MesajGoster(sonuc.hataMetni, -1, { Dugme::Tamam }, Dugme::Tamam, this); // plain box: no kind
    dogrusonuc = sonuc.dogrusonuc;
    if (dogrusonuc)
        Bilgim->Kopyala(sonuc.kayit);
    const GirisKarariSonucu k = GirisKarariVer(dogrusonuc, *Bilgim, adi->text(), sifre->text());
    switch (k.karar) {
    case GirisKarari::BaglantiKurulamadi:
        HataGoster(QStringLiteral("Bağlantı Kurulamadı !"), this);
        tekrarDene();
        return;
    case GirisKarari::YeniVersiyon:
        YeniVersiyonIndir();
        return;
    case GirisKarari::IstekFormu:
        IstekFormuAc(WebKoku());
        SurecBitir(0);
    case GirisKarari::Hatali:
        if (k.ayarKaydet)
            AyarKaydet();
        UyariGoster(QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"), this);
        tekrarDene();
        return;
    case GirisKarari::Kabul:
        AyarKaydet();
        if (k.cariSecimi && !CariSecimiAc())
            SurecBitir(0);
        accept();
        return;
    }
}

void Tgirisform::tekrarDene()
{
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

bool Tgirisform::CariSecimiAc()
{
    return cariSecimi && cariSecimi(*this);
}

void Tgirisform::YeniVersiyonIndir()
{
    Tdosyaindir indir(this, Bilgim->FVersion);
    indir.exec();
    // The dialog ends the process itself; nothing goes on past it.
    SurecBitir(0);
}

void Tgirisform::IstekFormuAc(const QString &webKoku)
{
    const QString baslik = QStringLiteral("Tarnevo Otomotiv B2B İstek Formu");
    // The identifier is one query value: its own delimiters must not split the query.
    const QString id = QString::fromLatin1(QUrl::toPercentEncoding(idsi));
    const QString adres = UrlKodla(webKoku + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") + id);
    if (istekFormu)
        istekFormu(baslik, adres);
    else
        WebFormuAc(baslik, adres, this);
}
