#include "app/common/webkoku.h"

#include <deployment.h>

#include <QMutex>
#include <QUrl>

namespace {

QMutex kilit;
QString webKoku;
QString guncellemeKoku;

QString oku(const QString &ayar, const char *varsayilan)
{
    QMutexLocker l(&kilit);
    return ayar.isEmpty() ? QString::fromUtf8(varsayilan) : ayar;
}

} // namespace

QString WebKoku()
{
    return oku(webKoku, deployment::webRoot);
}

void setWebKoku(const QString &kok)
{
    QMutexLocker l(&kilit);
    webKoku = kok;
}

QString GuncellemeKoku()
{
    return oku(guncellemeKoku, deployment::updateRoot);
}

void setGuncellemeKoku(const QString &kok)
{
    QMutexLocker l(&kilit);
    guncellemeKoku = kok;
}

HttpHedef HttpHedefAyir(const QString &adres)
{
    const QUrl url(adres, QUrl::TolerantMode);
    HttpHedef h;
    QString sunucu = url.scheme() + QStringLiteral("://") + url.host(QUrl::FullyEncoded);
    if (url.port() > 0)
        sunucu += QLatin1Char(':') + QString::number(url.port());
    h.sunucu = sunucu.toStdString();
    QByteArray yol = url.path(QUrl::FullyEncoded).toUtf8();
    if (yol.isEmpty())
        yol = "/";
    if (url.hasQuery())
        yol += '?' + url.query(QUrl::FullyEncoded).toUtf8();
    h.yol = yol.toStdString();
    return h;
}
