#include "platform/wire/replyparse.h"

#include "platform/wire/wireerror.h"

#include <boost/json/parse.hpp>

namespace json = boost::json;

namespace wire {

QString failureText(httplib::Error e)
{
    switch (e) {
    case httplib::Error::Connection:
        return QStringLiteral("Sunucuya bağlanılamadı");
    case httplib::Error::ConnectionTimeout:
        return QStringLiteral("Bağlantı zaman aşımına uğradı");
    case httplib::Error::Read:
        return QStringLiteral("Yanıt alınamadı (zaman aşımı veya bağlantı koptu)");
    case httplib::Error::Write:
        return QStringLiteral("İstek gönderilemedi");
    case httplib::Error::Canceled:
        return QStringLiteral("İstek iptal edildi");
    case httplib::Error::ExceedRedirectCount:
        return QStringLiteral("Çok fazla yönlendirme");
    default:
        return QStringLiteral("İletişim hatası (%1)").arg(QString::fromStdString(httplib::to_string(e)));
    }
}

namespace {

QString utf8(json::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

json::object replyObject(const httplib::Result &res)
{
    if (!res)
        throw TransportError(QStringLiteral("Sunucu yanıt vermedi: %1").arg(failureText(res.error())));

    json::error_code ec;
    json::value body = json::parse(res->body, ec);
    if (res->status != 200) {
        if (!ec && body.is_object()) {
            const json::value *err = body.get_object().if_contains("error");
            const json::object *e = err ? err->if_object() : nullptr;
            const json::value *cls = e ? e->if_contains("class") : nullptr;
            const json::value *msg = e ? e->if_contains("message") : nullptr;
            if (cls && cls->is_string() && msg && msg->is_string())
                throw RemoteError(utf8(cls->get_string()), utf8(msg->get_string()));
        }
        throw TransportError(QStringLiteral("Sunucu geçersiz bir yanıt verdi (HTTP %1)").arg(res->status));
    }
    if (ec || !body.is_object())
        throw TransportError(
            QStringLiteral("Sunucu yanıtı okunamadı (HTTP %1): JSON nesnesi bekleniyordu").arg(res->status));
    return std::move(body.get_object());
}

} // namespace wire
