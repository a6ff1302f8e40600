#pragma once
// The new-version download over HTTP: the browser-like request of the update
// server, redirects followed, the whole body in memory. Blocking: meant for a
// worker thread.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>

namespace kurulumindir {
inline constexpr std::chrono::milliseconds baglanmaSuresi { 60000 };
inline constexpr std::chrono::milliseconds yanitSuresi { 60000 };
} // namespace kurulumindir

struct IndirmeSonucu
{
    bool tamam = false; // a 2xx answer whose body is complete
    QByteArray govde;
    QString hata; // why not, in Turkish, when tamam is false
};

// ilerleme(L, R): the announced length and the bytes read so far; called only
// while a length is announced, on the calling thread.
IndirmeSonucu KurulumIndir(const QString &adres, const std::function<void(qint64, qint64)> &ilerleme = {});
