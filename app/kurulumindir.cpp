#include "app/kurulumindir.h"

#include "app/common/webkoku.h"

#include "platform/wire/replyparse.h"

#include <httplib.h>

IndirmeSonucu KurulumIndir(const QString &adres, const std::function<void(qint64, qint64)> &ilerleme)
{
    const HttpHedef hedef = HttpHedefAyir(adres);
    httplib::Client istemci(hedef.sunucu);
    istemci.set_connection_timeout(kurulumindir::baglanmaSuresi);
    istemci.set_read_timeout(kurulumindir::yanitSuresi);
    istemci.set_write_timeout(kurulumindir::yanitSuresi);
    istemci.set_keep_alive(false);
    istemci.set_follow_location(true);
    const httplib::Headers basliklar {
        { "Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8" },
        { "Accept-Encoding", "gzip, deflate" },
        { "Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4" },
        { "User-Agent",
          "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
          "Chrome/60.0.3112.32 Safari/537.36" },
    };
    const httplib::Result r = istemci.Get(hedef.yol, basliklar, [&](uint64_t okunan, uint64_t boy) {
        if (ilerleme && boy > 0)
            ilerleme(qint64(boy), qint64(okunan));
        return true;
    });

    IndirmeSonucu s;
    if (!r) {
        s.hata = wire::failureText(r.error());
        return s;
    }
    // Only the setup program itself may be started: an error page or a cut-off
    // body is reported instead.
    if (r->status < 200 || r->status >= 300) {
        s.hata = QStringLiteral("Sunucu yanıtı HTTP %1").arg(r->status);
        return s;
    }
    // A compressed body is unpacked by the client, so its length differs.
    if (r->has_header("Content-Length") && !r->has_header("Content-Encoding")) {
        bool sayi = false;
        const qint64 boy = QByteArray::fromStdString(r->get_header_value("Content-Length")).toLongLong(&sayi);
        if (!sayi || boy != qint64(r->body.size())) {
            s.hata = QStringLiteral("Dosya eksik indirildi");
            return s;
        }
    }
    if (r->body.empty()) {
        s.hata = QStringLiteral("Sunucu boş dosya gönderdi");
        return s;
    }
    s.govde = QByteArray::fromStdString(r->body);
    s.tamam = true;
    return s;
}
