// The web-form window: the page it is sent to, and "Kapat".
#include "promo/tformistekyeni.h"
#include "support/modalyanit.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QString sayfaYaz(const QTemporaryDir &dir)
{
    const QString yol = dir.filePath(QStringLiteral("form.html"));
    QFile f(yol);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Deneme İstek Formu</title></head>"
            "<body>form</body></html>");
    return QUrl::fromLocalFile(yol).toString();
}

TEST(Tformistekyeni, ShowsThePageOfItsAddress)
{
    QTemporaryDir dir;
    const QString adres = sayfaYaz(dir);
    ASSERT_FALSE(adres.isEmpty());
    Tformistekyeni pencere;
    if (::geteuid() == 0) {
        EXPECT_EQ(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), "1");
    }
    QSignalSpy bitti(pencere.sitem, &QWebEngineView::loadFinished);
    QSignalSpy coktu(pencere.sitem->page(), &QWebEnginePage::renderProcessTerminated);
    pencere.show();
    pencere.Git(adres);
    (void)QTest::qWaitFor([&] { return !bitti.isEmpty() || !coktu.isEmpty(); }, 30000);
    if (bitti.isEmpty())
        GTEST_SKIP() << "Qt WebEngine bu ortamda sayfa yükleyemiyor (işleyici süreci "
                     << (coktu.isEmpty() ? "yanıt vermedi" : "sonlandı") << ")";
    EXPECT_TRUE(bitti.first().first().toBool());
    EXPECT_EQ(pencere.sitem->url().toString(), adres);
    QTRY_COMPARE_WITH_TIMEOUT(pencere.sitem->title(), QStringLiteral("Deneme İstek Formu"), 5000);
}

TEST(Tformistekyeni, OpensModallyWithItsCaptionAndClosesWithKapat)
{
    ModalYanit yanit;
    QString gorulenAdres;
    yanit.cevapla(QStringLiteral("Kapat"), {}, QStringLiteral("Tarnevo Otomotiv B2B İstek Formu"), [&](QWidget *w) {
        if (auto *p = qobject_cast<Tformistekyeni *>(w))
            gorulenAdres = p->adres();
    });
    WebFormuAc(QStringLiteral("Tarnevo Otomotiv B2B İstek Formu"),
               QStringLiteral("http://127.0.0.1:1/formmailgonder.aspx?id=AB"));
    EXPECT_TRUE(yanit.bekle());
    EXPECT_EQ(gorulenAdres, QStringLiteral("http://127.0.0.1:1/formmailgonder.aspx?id=AB"));
}

} // namespace
