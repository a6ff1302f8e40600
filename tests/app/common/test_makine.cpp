// Machine identity from plain inputs, the folders and the address encoder.
#include "app/common/makine.h"

#include <QDir>
#include <QHostAddress>
#include <QStandardPaths>

#include <gtest/gtest.h>

using makine::DiskAdayi;

TEST(Makine, DiskWithoutSerialFallsBackToTheAdapterAddress)
{
    const QString disk = makine::ilkDiskSeriNo({ { QStringLiteral("sda"), QString() } });
    EXPECT_TRUE(disk.isEmpty());
    const QString mac
        = makine::ilkMacAdresi({ QStringLiteral("00:00:00:00:00:00"), QString(), QStringLiteral("0a:1b:2c:3d:4e:5f") });
    EXPECT_EQ(mac, QStringLiteral("0A-1B-2C-3D-4E-5F"));
    EXPECT_EQ(makine::kimlikSec(disk, QStringLiteral(" ") + mac + QStringLiteral(" "), {}, {}),
              QStringLiteral("0A-1B-2C-3D-4E-5F"));
}

TEST(Makine, IdentifierChoiceAndAlias)
{
    struct Case
    {
        const char *disk, *mac, *from, *to, *id;
    };
    const Case cases[] = {
        { "  WD-WX12 AB 34 ", "0A-1B-2C-3D-4E-5F", "", "", "WD-WX12AB34" }, // spaces removed, disk first
        { "   ", "0A-1B-2C-3D-4E-5F", "", "", "0A-1B-2C-3D-4E-5F" },
        { "", "", "", "", "" },
        { "S3Z9NB0K123456X", "", "S3Z9NB0K123456X", "104729001234", "104729001234" },
        { "S3Z9NB0K123456Y", "", "S3Z9NB0K123456X", "104729001234", "S3Z9NB0K123456Y" },
        { "", "", "", "104729001234", "" }, // no alias without its source value
    };
    for (const Case &k : cases)
        EXPECT_EQ(makine::kimlikSec(QString::fromUtf8(k.disk), QString::fromUtf8(k.mac), QString::fromUtf8(k.from),
                                    QString::fromUtf8(k.to)),
                  QString::fromUtf8(k.id))
            << k.disk << "|" << k.mac;
}

TEST(Makine, FirstPhysicalDiskInNameOrder)
{
    const std::vector<DiskAdayi> adaylar = {
        { QStringLiteral("loop0"), QStringLiteral("L0"), false },
        { QStringLiteral("sdb"), QStringLiteral("b2"), false },
        { QStringLiteral("zram0"), QStringLiteral("Z"), false },
        { QStringLiteral("dm-0"), QStringLiteral("D"), false },
        { QStringLiteral("md0"), QStringLiteral("M"), false },
        { QStringLiteral("ram0"), QStringLiteral("R"), false },
        { QStringLiteral("sda"), QStringLiteral(" wd-abc9 "), false },
        { QStringLiteral("nbd0"), QStringLiteral("N"), true },
    };
    EXPECT_EQ(makine::ilkDiskSeriNo(adaylar), QStringLiteral("WD-ABC9"));
    EXPECT_EQ(makine::ilkDiskSeriNo({ { QStringLiteral("loop1"), QStringLiteral("X"), false },
                                      { QStringLiteral("vda"), QStringLiteral("V"), true } }),
              QString());
}

TEST(Makine, AdapterAddressForms)
{
    EXPECT_EQ(makine::macBicimle(QByteArray::fromHex("a0b1c2d3e4f5")), QStringLiteral("A0-B1-C2-D3-E4-F5"));
    EXPECT_EQ(makine::macBicimle(QByteArray::fromHex("a0b1")), QString());
    EXPECT_EQ(makine::ilkMacAdresi({ QStringLiteral("00:00:00:00:00:00") }), QStringLiteral("00-00-00-00-00-00"));
    EXPECT_EQ(makine::ilkMacAdresi({ QStringLiteral("de:ad:be:ef"), QStringLiteral("zz:zz:zz:zz:zz:zz") }), QString());
    EXPECT_EQ(makine::ilkMacAdresi({}), QString());
    EXPECT_EQ(makine::ilkMacAdresi({ QStringLiteral("02:42:AC:11:00:02"), QStringLiteral("0a:0a:0a:0a:0a:0a") }),
              QStringLiteral("02-42-AC-11-00-02"));
}

TEST(Makine, FifteenCharacterRule)
{
    EXPECT_EQ(makine::sinirliAd(QStringLiteral("ÇAĞRIŞİRKETİ123")), QStringLiteral("ÇAĞRIŞİRKETİ123"));
    EXPECT_EQ(makine::sinirliAd(QStringLiteral("ÇAĞRIŞİRKETİ1234")), QString());
    EXPECT_EQ(makine::sinirliAd(QString()), QString());
    EXPECT_LE(BilgisayarAdiAl().size(), 15);
    EXPECT_LE(KullaniciAdiAl().size(), 15);
}

TEST(Makine, UrlKodlaEncodesTurkishLettersAndBlanks)
{
    EXPECT_EQ(UrlKodla(QStringLiteral("http://127.0.0.1:8080/formmailgonder.aspx?carino=0&kullanici= &id=ŞÖ-1")),
              QStringLiteral("http://127.0.0.1:8080/formmailgonder.aspx?carino=0&kullanici=%20&id=%C5%9E%C3%96-1"));
    EXPECT_EQ(UrlKodla(QStringLiteral("http://sunucu/belgeler/sipariş özeti.pdf")),
              QStringLiteral("http://sunucu/belgeler/sipari%C5%9F%20%C3%B6zeti.pdf"));
}

TEST(Makine, LocalAddressAndFolders)
{
    EXPECT_EQ(QHostAddress(IcIpAl()).protocol(), QAbstractSocket::IPv4Protocol) << qPrintable(IcIpAl());

    QStandardPaths::setTestModeEnabled(true);
    const QString ayar = AyarKlasoru();
    EXPECT_TRUE(ayar.endsWith(QStringLiteral("/tarnevooto"))) << qPrintable(ayar);
    EXPECT_TRUE(QDir(ayar).exists());
    QDir(ayar).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}
