#include "sunucufixture.h"

#include "appserver/demoveri.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
namespace json = boost::json;

namespace {

// One seeded database per test binary, copied for every test.
struct Tohum
{
    fs::path klasor;
    fs::path dosya;
    Tohum()
    {
        klasor = fs::temp_directory_path() / ("tarnevo-appserver-test-" + std::to_string(getpid()));
        fs::create_directories(klasor);
        dosya = klasor / "tohum.db";
        appserver::SeedOptions s;
        s.database = dosya.string();
        s.items = 2000;
        s.seed = 7;
        appserver::demoVeriKur(s);
    }
    ~Tohum()
    {
        std::error_code ec;
        fs::remove_all(klasor, ec);
    }
};

const Tohum &tohum()
{
    static Tohum t;
    return t;
}

int sayac = 0;

} // namespace

std::string Cevap::sinif() const
{
    if (!govde.is_object())
        return {};
    const json::value *e = govde.get_object().if_contains("error");
    if (!e || !e->is_object() || !e->get_object().contains("class"))
        return {};
    return std::string(e->get_object().at("class").as_string());
}

void SunucuTesti::SetUp()
{
    const fs::path kopya = tohum().klasor / ("test" + std::to_string(++sayac) + ".db");
    fs::copy_file(tohum().dosya, kopya, fs::copy_options::overwrite_existing);
    m_options.database = kopya.string();
    m_options.port = 0;
    m_options.webPort = 0;
    m_options.threads = 4;
    m_options.keepAliveSeconds = 1;
    yenidenBaslat(m_options);
}

void SunucuTesti::TearDown()
{
    m_server.reset();
    std::error_code ec;
    fs::remove(m_options.database, ec);
}

void SunucuTesti::yenidenBaslat(const appserver::ServerOptions &o)
{
    m_server.reset();
    m_options = o;
    m_server = std::make_unique<appserver::Server>();
    m_server->start(m_options);
    m_oturum = elSikis();
}

std::unique_ptr<httplib::Client> SunucuTesti::istemci() const
{
    auto c = std::make_unique<httplib::Client>("127.0.0.1", m_server->port());
    c->set_connection_timeout(3);
    c->set_read_timeout(20);
    c->set_write_timeout(20);
    return c;
}

Cevap SunucuTesti::postJson(const std::string &yol, const std::string &govde, const std::string &oturum) const
{
    httplib::Headers h;
    if (!oturum.empty())
        h.emplace("Tsm-Session", oturum);
    auto res = istemci()->Post(yol.c_str(), h, govde, "application/json");
    Cevap c;
    if (!res)
        return c;
    c.status = res->status;
    json::error_code ec;
    c.govde = json::parse(res->body, ec);
    return c;
}

std::string SunucuTesti::elSikis() const
{
    const Cevap c = postJson("/datasnap/handshake", R"({"protocol": 1, "client": "TarnevoOto"})");
    EXPECT_EQ(c.status, 200);
    if (c.status != 200)
        return {};
    return std::string(c.govde.at("session").as_string());
}

Cevap SunucuTesti::cagir(const std::string &yontem, json::array params)
{
    json::object o;
    o["command"] = "TServerMethods1." + yontem;
    o["params"] = std::move(params);
    return postJson("/datasnap/call", json::serialize(o), m_oturum);
}

json::array SunucuTesti::degerler(const std::string &yontem, json::array params)
{
    const Cevap c = cagir(yontem, std::move(params));
    EXPECT_EQ(c.status, 200) << yontem << ": " << json::serialize(c.govde);
    if (c.status != 200 || !c.govde.is_object())
        return {};
    return c.govde.at("values").as_array();
}

json::value SunucuTesti::kayit(const std::string &makine)
{
    const json::array v = degerler("BuyukGetir", { json::value(makine) });
    return v.empty() ? json::value() : v[0];
}

int kolon(const json::value &tablo, const std::string &ad)
{
    const json::array &k = tablo.at("columns").as_array();
    for (size_t i = 0; i < k.size(); ++i)
        if (k[i].at("name").as_string() == ad)
            return int(i);
    return -1;
}

const json::array &satirlar(const json::value &tablo)
{
    return tablo.at("rows").as_array();
}
