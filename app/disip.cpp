#include "app/disip.h"

#include "app/common/webkoku.h"

#include <httplib.h>

#include <QMutex>

#include <thread>

namespace {

QMutex kilit;
std::function<void(std::chrono::milliseconds)> bekleIs;

void bekle(std::chrono::milliseconds sure)
{
    std::function<void(std::chrono::milliseconds)> is;
    {
        QMutexLocker l(&kilit);
        is = bekleIs;
    }
    if (is)
        is(sure);
    else
        std::this_thread::sleep_for(sure);
}

bool sor(const HttpHedef &hedef, QString &cevap)
{
    httplib::Client istemci(hedef.sunucu);
    istemci.set_connection_timeout(disip::baglanmaSuresi);
    istemci.set_read_timeout(disip::okumaSuresi);
    istemci.set_write_timeout(disip::okumaSuresi);
    istemci.set_keep_alive(false);
    const httplib::Result r = istemci.Get(hedef.yol);
    // An error page is no address: it counts as a failure and is asked again.
    if (!r || r->status < 200 || r->status >= 300)
        return false;
    cevap = QString::fromUtf8(r->body).trimmed();
    return true;
}

} // namespace

void disip::setBekle(std::function<void(std::chrono::milliseconds)> is)
{
    QMutexLocker l(&kilit);
    bekleIs = std::move(is);
}

QString DisIpAl(const std::function<bool()> &devam)
{
    const HttpHedef hedef = HttpHedefAyir(WebKoku() + QStringLiteral("ip.php"));
    for (;;) {
        if (devam && !devam())
            return {};
        QString cevap;
        if (sor(hedef, cevap))
            return cevap;
        if (devam && !devam())
            return {};
        bekle(disip::tekrarBekleme);
    }
}
