// The web pages the client opens: the request form and the setup download.
#include "appserver/websayfalari.h"
#include "sunucufixture.h"

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

TEST(HtmlKacis, EscapesTheSpecialCharacters)
{
    EXPECT_EQ(appserver::htmlKacis("a<b>&\"'çü"), "a&lt;b&gt;&amp;&quot;&#39;çü");
}

} // namespace
