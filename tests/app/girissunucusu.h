#pragma once
// A seeded tarnevooto-server for the login's tests, and the seams the login
// reaches pointed at it: connection port, web root, update root, waits, the
// process end and the settings folder.

#include "app/ayardosyasi.h"
#include "app/common/baglantikontrol.h"
#include "app/common/makine.h"
#include "app/common/surec.h"
#include "app/disip.h"
#include "app/common/webkoku.h"
#include "server/connection.h"
#include "server/records/baglantiu.h"
#include "support/serverprocess.h"

#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class GirisSunucusu : public ::testing::Test
{
protected:
    static std::unique_ptr<ServerProcess> sunucuBaslat(const QStringList &argumanlar = {})
    {
        return std::make_unique<ServerProcess>(200, argumanlar);
    }

    void hazirla(const ServerProcess &s)
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(AyarDosyasiYolu());
        setSurecBitir([this](int kod) {
            bitisler.push_back(kod);
            throw SurecBitti { kod };
        });
        baglantikontrol::setBekle([](std::chrono::milliseconds) {});
        disip::setBekle([](std::chrono::milliseconds) {});
        const QString kok = QStringLiteral("http://127.0.0.1:%1/").arg(s.webPort());
        setWebKoku(kok);
        setGuncellemeKoku(kok);
        bagc.setParam(QStringLiteral("Port"), QString::number(s.port()));
    }

    void TearDown() override
    {
        setSurecBitir({});
        baglantikontrol::setBekle({});
        disip::setBekle({});
        setWebKoku({});
        setGuncellemeKoku({});
        QFile::remove(AyarDosyasiYolu());
        QStandardPaths::setTestModeEnabled(false);
    }

    // The server binds a workstation to one user: this machine to `kullanici`.
    static void kaydet(const ServerProcess &s, const char *kullanici)
    {
        ASSERT_FALSE(BilgisayarIdAl().isEmpty()) << "bu makinenin kimliği boş";
        ASSERT_TRUE(s.run({ QStringLiteral("register"), BilgisayarIdAl(), QString::fromLatin1(kullanici) }));
    }

    Connection bagc;
    TSonucBilgisi sbilgi;
    std::vector<int> bitisler; // exit codes SurecBitir was called with
};
