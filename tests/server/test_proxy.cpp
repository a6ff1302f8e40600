// TServerMethods1Client against a fake server: what goes on the wire at which
// position, and how the reply comes back.
#include "fakeserver.h"

#include "platform/wire/wireerror.h"
#include "server/connection.h"
#include "server/records/kayitjson.h"
#include "server/tservermethods1client.h"

#include <QIODevice>

#include <gtest/gtest.h>

namespace json = boost::json;

namespace {

class Proxy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        conn.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        conn.setParam(QStringLiteral("Port"), QString::number(server.port));
        conn.open();
        sbilgi.FCARINO = 512;
        sbilgi.FSirano = 7;
        sbilgi.FADI = QStringLiteral("ÖZGÜR BAYİ");
    }

    SonucBilgisiPtr kopya() const
    {
        auto k = std::make_unique<TSonucBilgisi>();
        k->Kopyala(sbilgi);
        return k;
    }

    FakeServer server;
    Connection conn;
    TSonucBilgisi sbilgi;
};

} // namespace

TEST_F(Proxy, SepetEkle2SendsFourteenPositionsAndReadsTheResultAt14)
{
    server.reply(R"({"values":[1]})");
    TServerMethods1Client proxy(&conn);
    auto k = kopya();
    const qint32 r = proxy.SepetEkle2(std::move(k), 512, 1001, QStringLiteral("BRK-1"),
                                      QStringLiteral("FREN BALATASI \"ÖN\""), 4, 18, 412.5, 10, 7, 0, 5, 2.5, 0);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(k, nullptr);

    const json::object call = server.lastCall();
    EXPECT_EQ(call.at("command"), "TServerMethods1.SepetEkle2");
    const json::array &p = call.at("params").as_array();
    ASSERT_EQ(p.size(), 14u);
    EXPECT_EQ(p[0], json::value(kayit::yaz(sbilgi)));
    EXPECT_EQ(p[1], 512);
    EXPECT_EQ(p[2], 1001);
    EXPECT_EQ(p[3], "BRK-1");
    EXPECT_EQ(p[4], "FREN BALATASI \"ÖN\"");
    const std::pair<int, double> doubles[]
        = { { 5, 4 }, { 6, 18 }, { 7, 412.5 }, { 8, 10 }, { 11, 5 }, { 12, 2.5 }, { 13, 0 } };
    for (const auto &[i, v] : doubles) {
        ASSERT_TRUE(p[i].is_double()) << i;
        EXPECT_EQ(p[i].get_double(), v) << i;
    }
    EXPECT_EQ(p[9], 7);
    EXPECT_EQ(p[10], 0);
    EXPECT_TRUE(p[9].is_int64() && p[10].is_int64());
}

TEST_F(Proxy, RaporGetirSendsSizeAsNullAndMapsOutAndStreamBack)
{
    const QByteArray pdf = QByteArray("%PDF-1.4 ") + QByteArray(5111, 'x');
    server.reply(R"({"values":[5120,")" + pdf.toBase64().toStdString() + R"("]})");
    TServerMethods1Client proxy(&conn);
    qint64 size = -1;
    QIODevice *s = proxy.RaporGetir(3, 3, 7, 512, QStringLiteral("Ayşe"), 45000, 45030, size);

    const json::object call = server.lastCall();
    const json::array &p = call.at("params").as_array();
    ASSERT_EQ(p.size(), 8u);
    EXPECT_EQ(p[0], 3);
    EXPECT_EQ(p[1], 3);
    EXPECT_EQ(p[2], 7);
    EXPECT_EQ(p[3], 512);
    EXPECT_EQ(p[4], "Ayşe");
    EXPECT_TRUE(p[5].is_double() && p[5].get_double() == 45000);
    EXPECT_TRUE(p[6].is_double() && p[6].get_double() == 45030);
    EXPECT_TRUE(p[7].is_null());

    EXPECT_EQ(size, 5120);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->pos(), 0);
    EXPECT_EQ(s->readAll(), pdf);
}

TEST_F(Proxy, CommandTextsKeepTheCatalogueSpelling)
{
    TServerMethods1Client proxy(&conn);
    server.reply(R"({"values":[null]})");
    EXPECT_EQ(proxy.AcilisREklamVer(2), nullptr);
    EXPECT_EQ(server.lastCall().at("command"), "TServerMethods1.AcilisREklamVer");
    EXPECT_EQ(proxy.SiparisAytintisiDip(0, 88), nullptr);
    EXPECT_EQ(server.lastCall().at("command"), "TServerMethods1.SiparisAytintisiDip");
    EXPECT_EQ(server.lastCall().at("params"), json::parse("[0,88]"));

    server.reply(R"({"values":[0,""]})");
    qint64 boy = -1;
    ASSERT_NE(proxy.SAnalPosPdfVer(9, boy), nullptr);
    EXPECT_EQ(boy, 0);
    EXPECT_EQ(server.lastCall().at("command"), "TServerMethods1.SAnalPosPdfVer");
    EXPECT_EQ(server.lastCall().at("params"), json::parse("[9,null]"));

    server.reply(R"({"values":[1]})");
    QStringList alan;
    for (int i = 0; i < 16; ++i)
        alan << QStringLiteral("a%1").arg(i);
    EXPECT_EQ(proxy.MailGonserCari(alan[0], alan[1], alan[2], alan[3], alan[4], alan[5], alan[6], alan[7], alan[8],
                                   alan[9], alan[10], alan[11], alan[12], alan[13], alan[14], alan[15]),
              1);
    EXPECT_EQ(server.lastCall().at("command"), "TServerMethods1.MailGonserCari");
    EXPECT_EQ(server.lastCall().at("params").as_array().size(), 16u);
    EXPECT_EQ(server.lastCall().at("params").as_array()[15], "a15");
}

TEST_F(Proxy, MethodsWithoutParametersSendAnEmptyListAndReadPosition0)
{
    TServerMethods1Client proxy(&conn);
    server.reply(R"({"values":["Kampanya başladı"]})");
    EXPECT_EQ(proxy.KayanYaziGetir(), QStringLiteral("Kampanya başladı"));
    EXPECT_EQ(server.lastCall().at("params"), json::array());
    server.reply(R"({"values":[4]})");
    EXPECT_EQ(proxy.AcilisReklamAdet(), 4);
    server.reply(R"({"values":[]})");
    proxy.SepetSecimGuncelle(31, 1);
    EXPECT_EQ(server.lastCall().at("params"), json::parse("[31,1]"));
}

TEST_F(Proxy, RecordArgumentIsConsumedAndTheSessionRecordUnchanged)
{
    const TSonucBilgisi once = sbilgi;
    server.reply(R"({"values":[3]})");
    TServerMethods1Client proxy(&conn);
    SonucBilgisiPtr k = kopya();
    EXPECT_EQ(proxy.SepetSayisi(std::move(k)), 3);
    EXPECT_EQ(k, nullptr);
    EXPECT_EQ(kayit::yaz(sbilgi), kayit::yaz(once));
    EXPECT_EQ(server.lastCall().at("params").as_array()[0].at("fields").at("FADI"), "ÖZGÜR BAYİ");

    // An absent record goes as null.
    EXPECT_EQ(proxy.SepetHepsiniSil(nullptr), 3);
    EXPECT_TRUE(server.lastCall().at("params").as_array()[0].is_null());
}

TEST_F(Proxy, RecordResultsBelongToTheProxy)
{
    TSonucBilgisi gelen;
    gelen.FCARINO = 99;
    gelen.FCariAdi = QStringLiteral("ŞAHİN OTO");
    server.reply(json::serialize(json::object { { "values", json::array { kayit::yaz(gelen) } } }));
    TServerMethods1Client proxy(&conn);
    TSonucBilgisi *a = proxy.BuyukGetir(QStringLiteral("WD-ABC123"));
    TSonucBilgisi *b = proxy.BuyukGetir(QStringLiteral("WD-ABC123"));
    ASSERT_TRUE(a && b);
    EXPECT_NE(a, b);
    EXPECT_EQ(kayit::yaz(*a), kayit::yaz(gelen)); // the first result is still valid after the second call
    EXPECT_EQ(server.lastCall().at("params"), json::parse(R"(["WD-ABC123"])"));
}

TEST_F(Proxy, ErrorReplySurfacesWithTheServersText)
{
    server.reply(R"({"error":{"class":"EServerError","message":"Sepet satırı bulunamadı"}})", 500);
    TServerMethods1Client proxy(&conn);
    try {
        proxy.SepetSatirSil(kopya(), 5, QStringLiteral("B-1-FİLTRE"));
        ADD_FAILURE() << "no error";
    } catch (const wire::RemoteError &e) {
        EXPECT_STREQ(e.what(), "Sepet satırı bulunamadı");
    }
}

TEST_F(Proxy, WrongKindsOfReplyAreErrors)
{
    struct Case
    {
        const char *why;
        const char *reply;
        std::function<void(TServerMethods1Client &)> call;
    };
    qint64 boy = 0;
    const Case cases[] = {
        { "text for int32", R"({"values":["1"]})", [&](auto &p) { p.SepetSayisi(kopya()); } },
        { "int32 out of range", R"({"values":[4294967296]})", [&](auto &p) { p.SepetSayisi(kopya()); } },
        { "double for int32", R"({"values":[1.5]})", [&](auto &p) { p.AcilisReklamAdet(); } },
        { "missing result", R"({"values":[]})", [&](auto &p) { p.SepetSayisi(kopya()); } },
        { "extra value", R"({"values":[1,2]})", [&](auto &p) { p.SepetSayisi(kopya()); } },
        { "result for none", R"({"values":[0]})", [&](auto &p) { p.SepetSecimGuncelle(1, 1); } },
        { "number for bool", R"({"values":[1]})", [&](auto &p) { p.SiparisKaydet(kopya(), 1, 1, 1, {}, 1, 1); } },
        { "number for text", R"({"values":[7]})", [&](auto &p) { p.KayanYaziGetir(); } },
        { "text for out int64", R"({"values":["5",""]})", [&](auto &p) { p.BannerResimVer(boy); } },
        { "stream not base64", R"({"values":[3,"***"]})", [&](auto &p) { p.BannerResimVer2(boy); } },
        { "stream as number", R"({"values":[3,3]})", [&](auto &p) { p.BannerResimVer3(boy); } },
        { "record of another class", R"({"values":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{}}]})",
          [&](auto &p) { p.BuyukGetir({}); } },
        { "record field of the wrong kind",
          R"({"values":[{"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":"x"}}]})",
          [&](auto &p) { p.TusSonuclariVer(kopya()); } },
        { "record as text", R"({"values":["kayıt"]})", [&](auto &p) { p.SiparisAytintisiDip(0, 1); } },
    };
    TServerMethods1Client proxy(&conn);
    for (const Case &k : cases) {
        server.reply(k.reply);
        boy = -1;
        EXPECT_THROW(k.call(proxy), wire::ReplyError) << k.why;
        EXPECT_EQ(boy, -1) << k.why; // no out value written from a bad reply
    }
    // The connection survives a bad reply.
    server.reply(R"({"values":[2]})");
    EXPECT_EQ(proxy.AcilisReklamAdet(), 2);
}

TEST_F(Proxy, NaNIsNotSent)
{
    TServerMethods1Client proxy(&conn);
    const std::size_t before = server.calls.size();
    EXPECT_THROW(proxy.RaporAlinanSiparisler(kopya(), std::nan(""), 1), wire::WireError);
    EXPECT_EQ(server.calls.size(), before);
}

TEST(ProxyConnection, NullOrClosedConnectionIsRefused)
{
    const char *text = "Connection cannot be nil.  Make sure the connection has been opened.";
    Connection closed;
    for (Connection *c : { static_cast<Connection *>(nullptr), &closed }) {
        try {
            TServerMethods1Client proxy(c);
            ADD_FAILURE() << "proxy made";
        } catch (const wire::WireError &e) {
            EXPECT_STREQ(e.what(), text);
        }
    }

    FakeServer server;
    Connection conn;
    conn.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    conn.setParam(QStringLiteral("Port"), QString::number(server.port));
    conn.open();
    TServerMethods1Client proxy(&conn);
    conn.close();
    try {
        proxy.KayanYaziGetir();
        ADD_FAILURE() << "call made";
    } catch (const wire::WireError &e) {
        EXPECT_STREQ(e.what(), text);
    }
    EXPECT_TRUE(server.calls.empty());
}

TEST_F(Proxy, TableResultsAreDecodedAndMalformedTablesAreErrors)
{
    server.reply(R"({"values":[{"columns":[{"name":"STOKNO","type":"int32"},{"name":"ADI","type":"string","size":60},)"
                 R"({"name":"FIYAT","type":"double"}],"rows":[[1,"FREN BALATASI ÖN",412.5],[2,null,0]]}]})");
    TServerMethods1Client proxy(&conn);
    ResultTable *t = proxy.StokAraGetir(QStringLiteral("BALATA \"ÖN\""), kopya());
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->columnCount(), 3);
    EXPECT_EQ(t->column(1).name, QStringLiteral("ADI"));
    EXPECT_EQ(t->column(2).type, ColumnType::Double);
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->asString(0, 1), QStringLiteral("FREN BALATASI ÖN"));
    EXPECT_EQ(t->asDouble(0, 2), 412.5);
    EXPECT_TRUE(t->isNull(1, 1));
    const json::object call = server.lastCall();
    EXPECT_EQ(call.at("params").as_array()[0], "BALATA \"ÖN\"");

    const char *malformed[] = {
        R"({"values":["tablo"]})",
        R"({"values":[{"rows":[]}]})",
        R"({"values":[{"columns":[{"name":"A","type":"int32"}],"rows":[[1,2]]}]})",
        R"({"values":[{"columns":[{"name":"A","type":"int32"}],"rows":[["x"]]}]})",
        R"({"values":[{"columns":[{"name":"A","type":"hex"}],"rows":[]}]})",
    };
    for (const char *body : malformed) {
        server.reply(body);
        EXPECT_THROW(proxy.TeslimVer(), wire::ReplyError) << body;
    }
    EXPECT_EQ(server.lastCall().at("params"), json::array());
    EXPECT_EQ(t->rowCount(), 2); // earlier results stay valid
}
