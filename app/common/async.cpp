#include "app/common/async.h"

#include "app/common/mesajgoster.h"
#include "app/common/surec.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

#include <exception>
#include <mutex>
#include <thread>

namespace {

std::mutex kilit;
std::function<void(const QString &)> raporIslevi;

// Remote work mostly waits on the network (and on hand-overs to the UI
// thread), so the pool is wider than the number of cores.
QThreadPool *havuz()
{
    static QThreadPool *p = [] {
        auto *h = new QThreadPool;
        h->setMaxThreadCount(std::max(8, QThread::idealThreadCount()));
        return h;
    }();
    return p;
}

bool uiThreadindeMi()
{
    QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

QString hataMetni(const std::exception_ptr &ep)
{
    try {
        std::rethrow_exception(ep);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Beklenmeyen bir hata oluştu.");
    }
}

// Runs f and hands back what escaped it; an ended process is not an error.
std::exception_ptr calistir(const std::function<void()> &f) noexcept
{
    try {
        if (f)
            f();
    } catch (const SurecBitti &) {
        // A test's stand-in for ending the process: it has seen the end already.
    } catch (...) {
        return std::current_exception();
    }
    return {};
}

void raporla(const std::exception_ptr &ep)
{
    if (ep)
        GenelHataRaporu(ep);
}

class TAwait : public IAwait
{
public:
    explicit TAwait(std::function<void()> is)
        : FAsync(std::move(is))
    { }

    void Await(std::function<void()> tamamlama, QObject *sahip) override
    {
        // Lives in the calling thread and carries the completion back to it.
        auto *baglam = new QObject;
        QPointer<QObject> sahipGuard(sahip);
        const bool sahipVar = sahip != nullptr;
        auto is = std::move(FAsync);
        havuz()->start([is = std::move(is), tamamlama = std::move(tamamlama), baglam, sahipGuard, sahipVar]() mutable {
            std::exception_ptr hata = calistir(is);
            QMetaObject::invokeMethod(
                baglam,
                [tamamlama = std::move(tamamlama), baglam, sahipGuard, sahipVar, hata] {
                    baglam->deleteLater();
                    if (!sahipVar || sahipGuard)
                        raporla(calistir(tamamlama));
                    // Raised again after the completion, as if the work had thrown here.
                    raporla(hata);
                },
                Qt::QueuedConnection);
        });
    }

private:
    std::function<void()> FAsync;
};

} // namespace

std::shared_ptr<IAwait> Async(std::function<void()> is)
{
    return std::make_shared<TAwait>(std::move(is));
}

void UIdaCalistir(const std::function<void()> &is)
{
    if (uiThreadindeMi()) {
        is();
        return;
    }
    // An error of the step travels back to the worker that asked for it.
    std::exception_ptr hata;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            try {
                is();
            } catch (...) {
                hata = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (hata)
        std::rethrow_exception(hata);
}

void UIyaGonder(std::function<void()> is)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app, [is = std::move(is)] { raporla(calistir(is)); }, Qt::QueuedConnection);
}

void AyriThreaddeCalistir(std::function<void()> is)
{
    std::thread([is = std::move(is)] {
        std::exception_ptr hata = calistir(is);
        if (hata)
            UIyaGonder([hata] { raporla(hata); });
    }).detach();
}

void GenelHataRaporu(const QString &metin)
{
    if (!uiThreadindeMi()) {
        UIyaGonder([metin] { GenelHataRaporu(metin); });
        return;
    }
    std::function<void(const QString &)> f;
    {
        std::lock_guard l(kilit);
        f = raporIslevi;
    }
    try {
        if (f)
            f(metin);
        else
            HataGoster(metin);
    } catch (...) {
        // The last resort must not raise in its turn.
    }
}

void GenelHataRaporu(const std::exception_ptr &hata)
{
    if (hata)
        GenelHataRaporu(hataMetni(hata));
}

void setGenelHataRaporu(std::function<void(const QString &)> rapor)
{
    std::lock_guard l(kilit);
    raporIslevi = std::move(rapor);
}
