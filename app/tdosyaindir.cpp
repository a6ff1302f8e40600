#include "app/tdosyaindir.h"

#include "app/common/async.h"
#include "app/common/mesajgoster.h"
#include "app/girisbilgisi.h"
#include "app/kurulumindir.h"
#include "app/surecsiniri.h"
#include "app/common/webkoku.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <atomic>
#include <limits>
#include <memory>

namespace {

Tdosyaindir::Baslatici baslatici;

bool varsayilanBaslat(const QString &dosya, const QStringList &argumanlar)
{
    QFile::setPermissions(dosya, QFile::permissions(dosya) | QFile::ExeOwner | QFile::ExeUser);
    return QProcess::startDetached(dosya, argumanlar);
}

// Shared by the download's worker and the dialog; the window is only touched on the UI thread.
struct Indirme
{
    QPointer<Tdosyaindir> pencere;
    QString adres;
    IndirmeSonucu sonuc;
    std::atomic<qint64> boy { 0 }, okunan { 0 };
    std::atomic_bool bekleyen { false }; // one progress step queued at a time
};

} // namespace

Tdosyaindir::Tdosyaindir(QWidget *sahip, int sunucuVersiyonu)
    : QDialog(sahip, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setFixedSize(460, 250);
    sLabel1 = new QLabel(this);
    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    QFont f = sLabel1->font();
    f.setPixelSize(27);
    sLabel1->setFont(f);
    sLabel1->setText(QStringLiteral("Tarnevo Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\n"
                                    "Lütfen Bekleyiniz...!\r\nVersion: %1-%2")
                         .arg(sunucuVersiyonu)
                         .arg(ProgramVersiyonu));
    bilgi = new QLabel(this);
    bilgi->setObjectName(QStringLiteral("bilgi"));
    QFont k = bilgi->font();
    k.setBold(true);
    bilgi->setFont(k);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(sLabel1, 1);
    duzen->addWidget(bilgi);
    duzen->addWidget(ProgressBar1);
    adres = GuncellemeKoku() + QStringLiteral("exe/TarnevoOtoSetup.exe");
}

Tdosyaindir::~Tdosyaindir() = default;

QString Tdosyaindir::HedefDosya()
{
    const QString klasor = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(klasor);
    return klasor + QStringLiteral("/TarnevoOtoSetup.exe");
}

void Tdosyaindir::setBaslatici(Baslatici b)
{
    baslatici = std::move(b);
}

bool Tdosyaindir::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(e);
}

void Tdosyaindir::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // A platform that never activates the window must not leave it waiting.
    QMetaObject::invokeMethod(this, &Tdosyaindir::FormActivate, Qt::QueuedConnection);
}

void Tdosyaindir::closeEvent(QCloseEvent *e)
{
    e->ignore(); // the update cannot be skipped
}

void Tdosyaindir::reject() { }

void Tdosyaindir::FormActivate()
{
    if (basladi)
        return;
    basladi = true;
    QFile::remove(HedefDosya());
    auto d = std::make_shared<Indirme>();
    d->pencere = this;
    d->adres = adres;
    Async([d] {
        d->sonuc = KurulumIndir(d->adres, [d](qint64 boy, qint64 okunan) {
            d->boy = boy;
            d->okunan = okunan;
            if (d->bekleyen.exchange(true))
                return;
            UIyaGonder([d] {
                d->bekleyen = false;
                if (d->pencere)
                    d->pencere->NetHTTPClient1ReceiveData(d->boy, d->okunan);
            });
        });
    })
        ->Await(
            [d] {
                if (d->pencere)
                    d->pencere->indirmeBitti(d->sonuc);
            },
            this);
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 boy, qint64 okunan)
{
    if (boy <= 0)
        return;
    const double p = double(okunan) / double(boy) * 100.0;
    const double mb = 1024.0 * 1024.0;
    QLocale yerel;
    yerel.setNumberOptions(QLocale::OmitGroupSeparator);
    bilgi->setText(QStringLiteral("Bilgi: %") + yerel.toString(p, 'f', 2) + QStringLiteral("  İndirilen: ")
                   + yerel.toString(double(okunan) / mb, 'f', 2) + QLatin1Char('/')
                   + yerel.toString(double(boy) / mb, 'f', 2) + QStringLiteral(" Mb"));
    // Beyond the int range of the bar it counts in KB.
    const qint64 birim = boy > std::numeric_limits<int>::max() ? 1024 : 1;
    ProgressBar1->setMaximum(int(boy / birim));
    ProgressBar1->setValue(int(okunan / birim));
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString &hata)
{
    HataGoster(QStringLiteral("Hata Oluştu !\r\nHata: ") + hata, this);
    SurecBitir(0);
}

void Tdosyaindir::indirmeBitti(const IndirmeSonucu &sonuc)
{
    // Reached only under a test's replacement of SurecBitir: let exec() return.
    if (SurecSiniri([&] { kaydetVeBaslat(sonuc); }))
        QDialog::done(QDialog::Rejected);
}

void Tdosyaindir::kaydetVeBaslat(const IndirmeSonucu &sonuc)
{
    if (!sonuc.tamam)
        NetHTTPClient1RequestError(sonuc.hata);
    const QString hedef = HedefDosya();
    QSaveFile dosya(hedef);
    if (!dosya.open(QIODevice::WriteOnly) || dosya.write(sonuc.govde) != sonuc.govde.size() || !dosya.commit())
        NetHTTPClient1RequestError(QStringLiteral("Dosya kaydedilemedi: ") + QDir::toNativeSeparators(hedef));
    const QStringList argumanlar { QStringLiteral("/silent") };
    const bool basladiMi = baslatici ? baslatici(hedef, argumanlar) : varsayilanBaslat(hedef, argumanlar);
    if (!basladiMi)
        NetHTTPClient1RequestError(QStringLiteral("Kurulum programı başlatılamadı"));
    SurecBitir(0);
}
