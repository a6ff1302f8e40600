#include "app/common/baglantikontrol.h"

#include "server/connection.h"

#include <QCoreApplication>
#include <QThread>

#include <mutex>

namespace {

std::mutex kilit;
std::function<void(std::chrono::milliseconds)> bekleIslevi;
std::function<void(const QString &)> mesajIslevi;

void bekle(std::chrono::milliseconds ms)
{
    std::function<void(std::chrono::milliseconds)> f;
    {
        std::lock_guard l(kilit);
        f = bekleIslevi;
    }
    if (f)
        f(ms);
    else
        QThread::msleep(ulong(ms.count()));
}

void goster(const QString &metin)
{
    std::function<void(const QString &)> f;
    {
        std::lock_guard l(kilit);
        f = mesajIslevi;
    }
    try {
        if (f)
            f(metin);
        else
            qWarning("%s", qUtf8Printable(metin));
    } catch (...) {
        // A failing dialog must not take the caller down.
    }
}

void kapat(Connection &b) noexcept
{
    try {
        b.close();
    } catch (...) { }
}

} // namespace

namespace baglantikontrol {

void setBekle(std::function<void(std::chrono::milliseconds)> f)
{
    std::lock_guard l(kilit);
    bekleIslevi = std::move(f);
}

void setMesajGoster(std::function<void(const QString &)> f)
{
    std::lock_guard l(kilit);
    mesajIslevi = std::move(f);
}

} // namespace baglantikontrol

bool BaglantiKontrol(Connection &baglanti, bool show)
{
    using namespace baglantikontrol;
    kapat(baglanti);
    for (int deneme = 0; deneme < denemeSayisi; ++deneme) {
        try {
            baglanti.open();
            if (baglanti.isOpen())
                return true;
        } catch (...) {
            // Every failure counts as one failed attempt.
        }
        kapat(baglanti);
        try {
            bekle(bekleme);
        } catch (...) { }
    }
    if (show) {
        const QString metin = QString::fromUtf8(mesaj);
        QCoreApplication *app = QCoreApplication::instance();
        if (app && QThread::currentThread() != app->thread())
            QMetaObject::invokeMethod(
                app, [metin] { goster(metin); }, Qt::QueuedConnection);
        else
            goster(metin);
    }
    return false;
}
