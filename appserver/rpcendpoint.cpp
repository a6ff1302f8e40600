#include "appserver/rpcendpoint.h"

#include "appserver/jsonout.h"
#include "appserver/rpcerror.h"
#include "appserver/sessionstore.h"
#include "appserver/yontemkatalogu.h"

#include "platform/wire/wiretypes.h"

#include <httplib.h>

#include <boost/json/parse.hpp>

namespace json = boost::json;

namespace appserver {
namespace {

constexpr const char *jsonTuru = "application/json";

void hataYaz(httplib::Response &res, int status, std::string_view sinif, std::string_view mesaj)
{
    std::string govde = "{\"error\":{\"class\":";
    jsonout::string(govde, sinif);
    govde.append(",\"message\":");
    jsonout::string(govde, mesaj);
    govde.append("}}");
    res.status = status;
    res.set_content(govde, jsonTuru);
}

json::object govdeNesnesi(const httplib::Request &req)
{
    json::error_code ec;
    json::value v = json::parse(req.body, ec);
    if (ec)
        throw RpcError::protocol("İstek gövdesi geçerli bir JSON değil: " + ec.message());
    if (!v.is_object())
        throw RpcError::protocol("İstek gövdesi bir JSON nesnesi olmalıdır");
    return std::move(v.get_object());
}

// Every failure of a handler becomes an error reply; nothing escapes to the pool thread.
template<class F> httplib::Server::Handler korumali(F f)
{
    return [f](const httplib::Request &req, httplib::Response &res) {
        try {
            f(req, res);
        } catch (const RpcError &e) {
            hataYaz(res, e.status(), e.errorClass(), e.what());
        } catch (const std::exception &e) {
            hataYaz(res, 500, "EServerError", std::string("Sunucu hatası: ") + e.what());
        }
    };
}

} // namespace

void rpcUclariniKur(httplib::Server &http, const YontemKatalogu &katalog, Storage &storage, SessionStore &sessions,
                    const ServerOptions &options)
{
    http.set_payload_max_length(istekSiniri);

    http.Post("/datasnap/handshake", korumali([&sessions](const httplib::Request &req, httplib::Response &res) {
                  const json::object o = govdeNesnesi(req);
                  const json::value *p = o.if_contains("protocol");
                  if (!p || !p->is_int64() || p->get_int64() != wire::protocolVersion)
                      throw RpcError::protocol("Desteklenmeyen protokol sürümü; beklenen: "
                                               + std::to_string(wire::protocolVersion));
                  std::string govde = "{\"server\":";
                  jsonout::string(govde, wire::serverClassName);
                  govde.append(",\"protocol\":");
                  jsonout::integer(govde, wire::protocolVersion);
                  govde.append(",\"session\":");
                  jsonout::string(govde, sessions.create());
                  govde.push_back('}');
                  res.set_content(govde, jsonTuru);
              }));

    http.Post("/datasnap/call",
              korumali([&katalog, &storage, &sessions, &options](const httplib::Request &req, httplib::Response &res) {
                  const std::string oturum = req.get_header_value("Tsm-Session");
                  if (oturum.empty())
                      throw RpcError::session("Oturum yok: Tsm-Session başlığı gönderilmedi");
                  if (!sessions.touch(oturum))
                      throw RpcError::session("Oturum bilinmiyor ya da süresi doldu");
                  const json::object o = govdeNesnesi(req);
                  static const json::value yok;
                  const json::value *komut = o.if_contains("command");
                  const json::value *params = o.if_contains("params");
                  // Moved, not copied: a search reply can be megabytes.
                  res.body = katalog.cagir(komut ? *komut : yok, params ? *params : yok, storage, options);
                  res.set_header("Content-Type", jsonTuru);
              }));

    // Replies httplib makes on its own (too large a body, an unknown path) get the error form too.
    http.set_error_handler(
        httplib::Server::HandlerWithResponse([](const httplib::Request &req, httplib::Response &res) {
            if (!res.body.empty())
                return httplib::Server::HandlerResponse::Unhandled;
            if (res.status == 413)
                hataYaz(res, 413, "EProtocolError", "İstek gövdesi çok büyük (en çok 8 MiB)");
            else if (res.status == 404)
                hataYaz(res, 404, "EMethodNotFound", "Bilinmeyen adres: " + req.path);
            else
                hataYaz(res, res.status, "EProtocolError", "İstek işlenemedi");
            return httplib::Server::HandlerResponse::Handled;
        }));
}

} // namespace appserver
