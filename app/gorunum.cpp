#include "app/gorunum.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

// Outside any namespace: the resource initialiser has global linkage.
void GorunumKaynaklariniYukle()
{
    static const bool yuklendi = [] {
        Q_INIT_RESOURCE(tarnevooto);
        return true;
    }();
    (void)yuklendi;
}

bool GorunumUygula(QApplication &uygulama, const QString &kaynak)
{
    GorunumKaynaklariniYukle();
    QFile dosya(kaynak);
    if (!dosya.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString sayfa = QString::fromUtf8(dosya.readAll());
    if (sayfa.trimmed().isEmpty())
        return false;
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        uygulama.setStyle(fusion);
    uygulama.setStyleSheet(sayfa);
    return true;
}

QFont PencereYazisi()
{
    QFont yazi;
    yazi.setFamilies({ QStringLiteral("DejaVu Sans"), QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Sans Serif") });
    yazi.setStyleHint(QFont::SansSerif);
    yazi.setPixelSize(13);
    yazi.setBold(true);
    return yazi;
}
