#include "app/tform1.h"

#include "app/common/async.h"
#include "app/common/makine.h"
#include "app/common/mesajgoster.h"
#include "app/common/surec.h"
#include "app/tgirisform.h"
#include "catalogue/sepetegiris.h"
#include "catalogue/sepetsayfasi.h"
#include "catalogue/stoklistesi.h"
#include "platform/grid/izgara.h"
#include "promo/sekmerozeti.h"

#include "deployment.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace {

TForm1::GirisAdimi &girisAdimi()
{
    static TForm1::GirisAdimi adim;
    return adim;
}

bool tgirisformIleGiris(TForm1 *pencere)
{
    // Owned by no window: the main window is still hidden, and the login keeps a taskbar entry of its own.
    Tgirisform giris(nullptr);
    giris.bagim = &pencere->bagc;
    giris.Bilgim = &pencere->sbilgi;
    return giris.exec() == QDialog::Accepted;
}

} // namespace

void TForm1::setGirisAdimi(GirisAdimi adim)
{
    girisAdimi() = std::move(adim);
}

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    tasarimKur();
    FormCreate();
}

TForm1::~TForm1() = default;

TForm1::IzgaraCozucu::~IzgaraCozucu()
{
    if (izgara)
        izgara->setTablo(nullptr);
}

void TForm1::FormCreate()
{
    _acilisadet = 0;
    _acilisgoruldu = false;

    const QString baslik = QStringLiteral("Tarnevo Otomotiv B2B Programı");
    QGuiApplication::setApplicationDisplayName(baslik);
    setWindowTitle(baslik);
    setMesajYaziBoyu(15);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tarnevo Otomotiv B2B"));

    sbilgi.FBilgiSayarAdi = BilgisayarAdiAl();
    sbilgi.FBilgisayarKullanici = KullaniciAdiAl();
    sbilgi.FIcip = IcIpAl();
    sbilgi.FBILGISAYARID = BilgisayarIdAl();

    bagc.setParam(QStringLiteral("HostName"), QString::fromUtf8(deployment::serverHost));
    bagc.setParam(QStringLiteral("Port"), QStringLiteral("9090"));

    websitesi->setText(QUrl(QString::fromUtf8(deployment::companySite)).host());

    GirisYap();
    acilisYuku();
}

void TForm1::GirisYap()
{
    const bool girdi = girisAdimi() ? girisAdimi()(bagc, sbilgi) : tgirisformIleGiris(this);
    if (!girdi)
        SurecBitir(0);
    if (sbilgi.FDisip.trimmed().isEmpty())
        SurecBitir(0);
    KullaniciTipineUyarla(sbilgi.FMusteriTipi);
}

void TForm1::KullaniciTipineUyarla(int musteriTipi)
{
    const bool temsilci = musteriTipi == 1 || musteriTipi == 2;
    if (temsilci) {
        musteritus->setVisible(true);
        R1->setVisible(true);
    } else if (musteriTipi == 3 || musteriTipi == 4) {
        R1->setVisible(false);
    }
    if (musteriTipi == 4)
        sPageControl1->setTabVisible(sPageControl1->indexOf(skampanyali), false);
    stokListesi->KullaniciTipineUyarla(musteriTipi);
    sepetSayfasi->KullaniciTipineUyarla(musteriTipi);
}

void TForm1::SepetYenile()
{
    sepetSayfasi->SepetYenile();
}

void TForm1::AnaBilgiAl(const QPointer<TForm1> &pencere)
{
    UIdaCalistir([pencere] {
        if (!pencere)
            return;
        const TSonucBilgisi &b = pencere->sbilgi;
        pencere->kullanicilbl->setText(b.FADI);
        pencere->cariadilbl->setText(b.FCariAdi);
        pencere->saticilbl->setText(b.FSaticiAdi + QStringLiteral(" Telefonu: ") + b.FSaticiTelefon
                                    + QStringLiteral(" email: ") + b.FSaticiMail);
        // On a narrow screen the line is cut; the tooltips keep it readable.
        for (QLabel *l : { pencere->kullanicilbl, pencere->cariadilbl, pencere->saticilbl })
            l->setToolTip(l->text());
    });
}

void TForm1::acilisYuku()
{
    // Ticker, banners, slide count and badges join this load with their screens.
    Async([pencere = QPointer<TForm1>(this)] { AnaBilgiAl(pencere); })->Await([this] { acilisYukuBitti(); }, this);
}

void TForm1::acilisYukuBitti()
{
    if (isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        show();
        raise();
        activateWindow();
    }
}

bool TForm1::FormCloseQuery()
{
    return SoruSor(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), Dugme::Evet, this);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The window never closes in the ordinary way: it either stays or the process ends.
    event->ignore();
    if (FormCloseQuery())
        SurecBitir(0);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_ilkGosterim) {
        m_ilkGosterim = false;
        araedit->setFocus();
    }
}

void TForm1::webSitesiAc()
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(deployment::companySite)));
    araedit->selectAll();
    araedit->setFocus();
}
