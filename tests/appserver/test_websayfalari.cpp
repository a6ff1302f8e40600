// The web pages the client opens: the request form, the setup download and the stock pictures.
#include "appserver/demoveri.h"
#include "appserver/websayfalari.h"
#include "sunucufixture.h"

#include <QByteArray>

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>
#include <httplib.h>

namespace {

class WebSayfalari : public SunucuTesti
{
protected:
    httplib::Result al(const std::string &yol)
    {
        httplib::Client c("127.0.0.1", m_server->webPort());
        c.set_connection_timeout(3);
        c.set_read_timeout(5);
        return c.Get(yol);
    }
};

TEST_F(WebSayfalari, RequestFormEchoesTheMachineIdEscaped)
{
    const auto res = al("/formmailgonder.aspx?carino=0&kullanici=%20&id=AB%3Cscript%3E%26%22X");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_NE(res->body.find("<span id=\"bilgisayarid\">AB&lt;script&gt;&amp;&quot;X</span>"), std::string::npos);
    EXPECT_EQ(res->body.find("<script>"), std::string::npos);
    EXPECT_NE(res->body.find("İstek Formu"), std::string::npos);
}

TEST_F(WebSayfalari, SetupFileIsServedWithItsLength)
{
    const auto res = al("/exe/TarnevoOtoSetup.exe");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), "application/octet-stream");
    EXPECT_EQ(res->get_header_value("Content-Length"), std::to_string(appserver::kurulumDosyasi().size()));
    EXPECT_EQ(res->body, appserver::kurulumDosyasi());
    EXPECT_GE(res->body.size(), 2048u);
    EXPECT_EQ(res->body.substr(0, 2), "MZ");
}

TEST_F(WebSayfalari, UnknownFileUnderExeIsNotFound)
{
    const auto res = al("/exe/Baska.exe");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 404);
}

TEST_F(WebSayfalari, StockPicturesAreTheJpegsOfResimVer5)
{
    int resimli = 0, resimsiz = 0;
    {
        SQLite::Database d(m_options.database, SQLite::OPEN_READONLY);
        resimli = d.execAndGet("SELECT min(stokno) FROM stok WHERE resimno IS NOT NULL").getInt();
        resimsiz = d.execAndGet("SELECT min(stokno) FROM stok WHERE resimno IS NULL").getInt();
    }
    const auto res = al("/resimgoster.ashx?id=" + std::to_string(resimli));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), "image/jpeg");
    EXPECT_GE(res->body.size(), 1200u);
    EXPECT_EQ(res->body.substr(0, 3), "\xFF\xD8\xFF");
    const boost::json::array v = degerler("ResimVer5", { resimli, nullptr });
    ASSERT_EQ(v.size(), 2u);
    const QByteArray jpeg = QByteArray::fromBase64(QByteArray(v[1].as_string().c_str()));
    EXPECT_EQ(res->body, jpeg.toStdString());

    // Without a picture, or with an id that is no stock number: a short answer,
    // which the client takes as "no picture".
    const std::pair<std::string, int> yoklar[] = {
        { "/resimgoster.ashx?id=" + std::to_string(resimsiz), 404 },
        { "/resimgoster.ashx?id=0", 404 }, // what the client asks for new and campaign items
        { "/resimgoster.ashx?id=99999999", 404 },
        { "/resimgoster.ashx?id=-5", 400 },
        { "/resimgoster.ashx?id=abc", 400 },
        { "/resimgoster.ashx?id=12abc", 400 },
        { "/resimgoster.ashx?id=%2B12", 400 },
        { "/resimgoster.ashx?id=99999999999999999999", 400 },
        { "/resimgoster.ashx?id=", 400 },
        { "/resimgoster.ashx", 400 },
    };
    for (const auto &[yol, durum] : yoklar) {
        SCOPED_TRACE(yol);
        const auto r = al(yol);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, durum);
        EXPECT_LT(r->body.size(), 1200u);
        EXPECT_FALSE(r->body.empty());
    }
    EXPECT_EQ(al("/resimgoster.ashx?id=" + std::to_string(resimli))->status, 200); // still serving
}

TEST(DemoResimleri, TwelveJpegsEachAboveThePictureThreshold)
{
    const auto resimler = appserver::demoResimleri();
    ASSERT_EQ(resimler.size(), 12u);
    for (const std::string &j : resimler) {
        EXPECT_GE(j.size(), 1200u);
        EXPECT_EQ(j.substr(0, 3), "\xFF\xD8\xFF");
    }
}

TEST(HtmlKacis, EscapesTheSpecialCharacters)
{
    EXPECT_EQ(appserver::htmlKacis("a<b>&\"'çü"), "a&lt;b&gt;&amp;&quot;&#39;çü");
}

} // namespace
