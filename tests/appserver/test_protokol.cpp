// The wire protocol of the reference server: handshake, sessions, error replies.
#include "sunucufixture.h"

#include <atomic>
#include <thread>

namespace json = boost::json;

using Protokol = SunucuTesti;

TEST_F(Protokol, HandshakeNamesTheServerAndGivesFreshSessions)
{
    const Cevap c = postJson("/datasnap/handshake", R"({"protocol": 1, "client": "TarnevoOto"})");
    ASSERT_EQ(c.status, 200);
    EXPECT_EQ(c.govde.at("server").as_string(), "TServerMethods1");
    EXPECT_EQ(c.govde.at("protocol").as_int64(), 1);
    const std::string s = std::string(c.govde.at("session").as_string());
    EXPECT_FALSE(s.empty());
    EXPECT_LE(s.size(), 64u);
    EXPECT_NE(s, m_oturum);

    const Cevap eski = postJson("/datasnap/handshake", R"({"protocol": 2})");
    EXPECT_EQ(eski.status, 400);
    EXPECT_EQ(eski.sinif(), "EProtocolError");
}

TEST_F(Protokol, OldestSessionGoesWhenTheCapIsReached)
{
    appserver::ServerOptions o = m_options;
    o.sessionCap = 2;
    yenidenBaslat(o);
    const std::string ilk = m_oturum;
    const std::string ikinci = elSikis();
    EXPECT_EQ(postJson("/datasnap/call", R"({"command":"TServerMethods1.TeslimVer","params":[]})", ilk).status, 200);
    const std::string ucuncu = elSikis(); // the least recently used one, ikinci, goes
    EXPECT_EQ(postJson("/datasnap/call", R"({"command":"TServerMethods1.TeslimVer","params":[]})", ikinci).status, 401);
    EXPECT_EQ(postJson("/datasnap/call", R"({"command":"TServerMethods1.TeslimVer","params":[]})", ilk).status, 200);
    EXPECT_EQ(postJson("/datasnap/call", R"({"command":"TServerMethods1.TeslimVer","params":[]})", ucuncu).status, 200);
}

TEST_F(Protokol, IdleSessionExpires)
{
    appserver::ServerOptions o = m_options;
    o.sessionIdle = std::chrono::milliseconds(300);
    yenidenBaslat(o);
    ASSERT_EQ(cagir("TeslimVer", {}).status, 200);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const Cevap c = cagir("TeslimVer", {});
    EXPECT_EQ(c.status, 401);
    EXPECT_EQ(c.sinif(), "ESessionError");
}

struct KotuIstek
{
    const char *ad;
    std::string govde;
    bool oturumlu;
    int status;
    const char *sinif;
    const char *mesajda; // part of the message, or empty
};

TEST_F(Protokol, BadRequestsGetTheirStatusAndClass)
{
    const std::string kayitHatali
        = R"({"command":"TServerMethods1.SepetHepsiniSil","params":[{"type":"baglantiu.TSonucBilgisi","id":1,)"
          R"("fields":{"FSirano":"bes"}}]})";
    const KotuIstek durumlar[] = {
        { "malformed JSON", R"({"command": "TServerMethods1.TeslimVer", "params": [)", true, 400, "EProtocolError",
          "" },
        { "not an object", "[1, 2]", true, 400, "EProtocolError", "" },
        { "params missing", R"({"command":"TServerMethods1.TeslimVer"})", true, 400, "EProtocolError", "params" },
        { "too many params", R"({"command":"TServerMethods1.TeslimVer","params":[1]})", true, 400, "EProtocolError",
          "0 parametre" },
        { "too few params", R"({"command":"TServerMethods1.KargolarVer","params":[]})", true, 400, "EProtocolError",
          "1 parametre" },
        { "text for int32", R"({"command":"TServerMethods1.KargolarVer","params":["1"]})", true, 400, "EProtocolError",
          "gn" },
        { "int32 out of range", R"({"command":"TServerMethods1.KargolarVer","params":[4294967296]})", true, 400,
          "EProtocolError", "gn" },
        { "fraction for int32", R"({"command":"TServerMethods1.KargolarVer","params":[1.5]})", true, 400,
          "EProtocolError", "gn" },
        { "out param not null", R"({"command":"TServerMethods1.ResimVer5","params":[1, 0]})", true, 400,
          "EProtocolError", "boy" },
        { "record field of the wrong kind", kayitHatali, true, 400, "EProtocolError", "FSirano" },
        { "wrong record type",
          R"({"command":"TServerMethods1.SepetHepsiniSil","params":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{}}]})",
          true, 400, "EProtocolError", "TSonucBilgisi" },
        { "unknown method", R"({"command":"TServerMethods1.YokBoyleBirYontem","params":[]})", true, 404,
          "EMethodNotFound", "YokBoyleBirYontem" },
        { "wrong class prefix", R"({"command":"TServerMethods2.TeslimVer","params":[]})", true, 404, "EMethodNotFound",
          "" },
        { "case matters", R"({"command":"TServerMethods1.teslimver","params":[]})", true, 404, "EMethodNotFound", "" },
        { "catalogued, not built yet", R"({"command":"TServerMethods1.CariEkstreVer","params":[1]})", true, 500,
          "EServerError", "henüz desteklenmiyor" },
        { "never called, not built", R"({"command":"TServerMethods1.EchoString","params":["a"]})", true, 500,
          "EServerError", "henüz desteklenmiyor" },
        { "no session", R"({"command":"TServerMethods1.TeslimVer","params":[]})", false, 401, "ESessionError", "" },
        { "body too large", std::string(9 * 1024 * 1024, ' '), true, 413, "EProtocolError", "" },
    };
    for (const KotuIstek &d : durumlar) {
        SCOPED_TRACE(d.ad);
        const Cevap c = postJson("/datasnap/call", d.govde, d.oturumlu ? m_oturum : std::string());
        EXPECT_EQ(c.status, d.status);
        EXPECT_EQ(c.sinif(), d.sinif);
        if (!c.sinif().empty()) {
            const std::string mesaj(c.govde.at("error").at("message").as_string());
            EXPECT_FALSE(mesaj.empty());
            EXPECT_NE(mesaj.find(d.mesajda), std::string::npos) << mesaj;
        }
    }
    EXPECT_EQ(postJson("/datasnap/call", R"({"command":"TServerMethods1.TeslimVer","params":[]})", "bilinmeyen").status,
              401);
    // Still serving after all of it.
    EXPECT_EQ(cagir("TeslimVer", {}).status, 200);
}

TEST_F(Protokol, ManyClientsAtOnce)
{
    std::atomic<int> basarili { 0 };
    std::vector<std::thread> isler;
    for (int t = 0; t < 8; ++t)
        isler.emplace_back([&] {
            const std::string oturum = elSikis();
            for (int i = 0; i < 10; ++i) {
                const Cevap c = postJson(
                    "/datasnap/call", R"({"command":"TServerMethods1.StokAraGetir","params":["FRE", null]})", oturum);
                // A null record is refused, the point is that every call gets its answer.
                if (c.status == 500 && c.sinif() == "EServerError")
                    ++basarili;
                if (postJson("/datasnap/call", R"({"command":"TServerMethods1.TeslimVer","params":[]})", oturum).status
                    == 200)
                    ++basarili;
            }
        });
    for (auto &t : isler)
        t.join();
    EXPECT_EQ(basarili.load(), 8 * 10 * 2);
}

TEST_F(Protokol, IpPageAnswersTheCallersAddress)
{
    httplib::Client c("127.0.0.1", m_server->webPort());
    c.set_connection_timeout(3);
    c.set_read_timeout(5);
    const auto res = c.Get("/ip.php");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->body, "127.0.0.1");
    EXPECT_EQ(res->get_header_value("Content-Type").rfind("text/plain", 0), 0u);
}
