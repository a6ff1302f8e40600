#include "appserver/websayfalari.h"

#include "appserver/storage.h"

#include <httplib.h>

namespace appserver {

namespace {

constexpr size_t kurulumBoyu = 6 * 1024;

std::string istekFormu(const std::string &carino, const std::string &kullanici, const std::string &id)
{
    return R"(<!DOCTYPE html>
<html lang="tr"><head><meta charset="utf-8"><title>Tarnevo Otomotiv B2B İstek Formu</title>
<style>
body{font-family:sans-serif;background:#eef2f7;margin:0;padding:24px;color:#1d2733}
form{background:#fff;max-width:520px;margin:auto;padding:20px 28px;border-radius:8px;box-shadow:0 2px 8px #0002}
h1{font-size:20px;color:#14427a}label{display:block;margin-top:10px;font-size:13px}
input,textarea{width:100%;box-sizing:border-box;padding:6px;border:1px solid #9aa8b8;border-radius:4px}
button{margin-top:16px;padding:8px 20px;background:#14427a;color:#fff;border:0;border-radius:4px}
.kimlik{font-size:12px;color:#5a6877}
</style></head><body>
<form method="post" action="formmailgonder.aspx">
<h1>Tarnevo Otomotiv B2B Kullanıcı İstek Formu</h1>
<p>Bu bilgisayar sistemimizde kayıtlı değil. Bilgilerinizi bırakın, temsilcimiz sizi arasın.</p>
<p class="kimlik">Bilgisayar ID: <span id="bilgisayarid">)"
        + htmlKacis(id) + R"(</span></p>
<input type="hidden" name="carino" value=")"
        + htmlKacis(carino) + R"(">
<input type="hidden" name="kullanici" value=")"
        + htmlKacis(kullanici) + R"(">
<input type="hidden" name="id" value=")"
        + htmlKacis(id) + R"(">
<label>Firma Adı<input name="firma" required></label>
<label>Yetkili<input name="yetkili" required></label>
<label>Telefon<input name="telefon" required></label>
<label>Mail<input name="mail" type="email"></label>
<label>Not<textarea name="not" rows="3"></textarea></label>
<button type="submit">Gönder</button>
</form></body></html>
)";
}

} // namespace

std::string htmlKacis(const std::string &metin)
{
    std::string s;
    s.reserve(metin.size());
    for (const char c : metin) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        case '\'':
            s += "&#39;";
            break;
        default:
            s += c;
        }
    }
    return s;
}

const std::string &kurulumDosyasi()
{
    static const std::string veri = [] {
        std::string v(kurulumBoyu, '\0');
        v[0] = 'M';
        v[1] = 'Z';
        for (size_t i = 2; i < v.size(); ++i)
            v[i] = char((i * 31 + 7) & 0xff);
        return v;
    }();
    return veri;
}

std::optional<int> stokNumarasi(const std::string &metin)
{
    if (metin.empty() || metin.size() > 10)
        return std::nullopt;
    long long n = 0;
    for (const char c : metin) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n > 2147483647)
        return std::nullopt;
    return int(n);
}

void webSayfalariniKur(httplib::Server &web, Storage &storage)
{
    // The client takes a body of fewer than 1200 bytes as "no picture", so the
    // refusals stay short.
    web.Get("/resimgoster.ashx", [&storage](const httplib::Request &req, httplib::Response &res) {
        const auto no = stokNumarasi(req.get_param_value("id"));
        if (!no) {
            res.status = 400;
            res.set_content("Geçersiz stok numarası", "text/plain; charset=utf-8");
            return;
        }
        const std::string jpeg = storage.resim(*no);
        if (jpeg.empty()) {
            res.status = 404;
            res.set_content("Resim bulunamadı", "text/plain; charset=utf-8");
            return;
        }
        res.set_content(jpeg, "image/jpeg");
    });
    web.Get("/formmailgonder.aspx", [](const httplib::Request &req, httplib::Response &res) {
        res.set_content(
            istekFormu(req.get_param_value("carino"), req.get_param_value("kullanici"), req.get_param_value("id")),
            "text/html; charset=utf-8");
    });
    web.Post("/formmailgonder.aspx", [](const httplib::Request &, httplib::Response &res) {
        res.set_content("<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\"></head>"
                        "<body style=\"font-family:sans-serif\"><h2>İsteğiniz alındı.</h2>"
                        "<p>Temsilcimiz en kısa sürede sizinle iletişime geçecektir.</p></body></html>",
                        "text/html; charset=utf-8");
    });
    web.Get("/exe/TarnevoOtoSetup.exe", [](const httplib::Request &, httplib::Response &res) {
        res.set_content(kurulumDosyasi(), "application/octet-stream");
    });
}

} // namespace appserver
