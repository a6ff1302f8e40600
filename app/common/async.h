#pragma once
// Background calls: the work on a thread of the shared pool, the completion on
// the thread that called Await (the UI thread), through its event loop.

#include <QString>

#include <exception>
#include <functional>
#include <memory>

class QObject;

class IAwait
{
public:
    virtual ~IAwait() = default;
    // Starts the work and returns at once. The completion runs after the work,
    // on the calling thread, unless `sahip` (when given) is gone by then. An
    // error that escaped the work is raised again there after the completion
    // and reaches the application's general error report; so does one that
    // escapes the completion, rather than the event loop. A test's SurecBitti
    // is no error: the process has ended there.
    virtual void Await(std::function<void()> tamamlama, QObject *sahip = nullptr) = 0;
};

// Nothing runs until Await.
std::shared_ptr<IAwait> Async(std::function<void()> is);

// Synchronous hand-over: runs on the UI thread and waits; on the UI thread itself, at once.
void UIdaCalistir(const std::function<void()> &is);
// Queued hand-over: into the UI thread's queue; the caller goes on.
void UIyaGonder(std::function<void()> is);
// Detached thread: a new thread of its own; nothing waits for it.
void AyriThreaddeCalistir(std::function<void()> is);

// The application's general error report (a message box with the text); replaceable for tests.
void GenelHataRaporu(const QString &metin);
// The same for a caught error: its what() text, or a Turkish text for unknown errors.
void GenelHataRaporu(const std::exception_ptr &hata);
void setGenelHataRaporu(std::function<void(const QString &)> rapor);
