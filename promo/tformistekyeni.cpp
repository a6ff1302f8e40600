#include "promo/tformistekyeni.h"

#include "promo/webmotoru.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

Tformistekyeni::Tformistekyeni(QWidget *parent)
    : QDialog(parent)
{
    WebMotoruHazirla();
    resize(900, 680);
    sitem = new QWebEngineView(this);
    sitem->setObjectName(QStringLiteral("sitem"));
    Kapat = new QPushButton(QStringLiteral("Kapat"), this);
    Kapat->setObjectName(QStringLiteral("Kapat"));
    Kapat->setAutoDefault(false);
    connect(Kapat, &QPushButton::clicked, this, &QDialog::accept);

    auto *alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(Kapat);
    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(4, 4, 4, 4);
    duzen->addWidget(sitem, 1);
    duzen->addLayout(alt);
}

Tformistekyeni::~Tformistekyeni() = default;

void Tformistekyeni::Git(const QString &adres)
{
    m_adres = adres;
    sitem->load(QUrl(adres));
}

void Tformistekyeni::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Centred on the screen, not on the opener.
    if (QScreen *ekran = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(ekran->availableGeometry().center());
        move(r.topLeft());
    }
}

void WebFormuAc(const QString &baslik, const QString &adres, QWidget *sahip)
{
    Tformistekyeni pencere(sahip);
    pencere.setWindowTitle(baslik);
    pencere.Git(adres);
    pencere.exec();
}
