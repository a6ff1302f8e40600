// Records and their JSON object form.
#include "server/records/baglantiu.h"
#include "server/records/kayitjson.h"
#include "server/records/mobilstokunit.h"
#include "server/records/resimmetni.h"

#include <QMetaProperty>

#include <boost/json.hpp>
#include <gtest/gtest.h>

namespace json = boost::json;

TEST(Records, NewSessionRecordSerializesExactly)
{
    const std::string metin = json::serialize(kayit::yaz(TSonucBilgisi()));
    EXPECT_EQ(metin,
              R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"","FSaticiMail":"",)"
              R"("FSirano":0,"FCariAdi":"","FSIFRE":"","FSaticiNo":0,"FCARINO":0,"FAKTIF":0,"FKullanicimail":"",)"
              R"("FADI":"","FSaticiTelefon":"","Fcarikod":"","FVarmi":false,"FSaticiAdi":"","FBilgiSayarAdi":"",)"
              R"("FDisip":"","FIcip":"","FBilgisayarKullanici":"","FMusteriTipi":1,"FVersion":1}})");
}

TEST(Records, DefaultsOfTheOtherRecords)
{
    const json::object stok = kayit::yaz(TMobilStok());
    EXPECT_EQ(stok.at("type"), "mobilstokunit.TMobilStok");
    EXPECT_EQ(stok.at("fields").at("FBirim"), "ADET");
    EXPECT_EQ(stok.at("fields").at("FKDV"), 18);
    EXPECT_EQ(stok.at("fields").as_object().size(), 35u);

    const json::object tus = kayit::yaz(TTusSonuclari());
    EXPECT_EQ(tus.at("fields").as_object().size(), 6u);
    for (const auto &alan : tus.at("fields").as_object())
        EXPECT_EQ(alan.value(), 0) << alan.key();

    const json::object dip = kayit::yaz(TSiparisDipAyrinti());
    EXPECT_EQ(dip.at("fields").as_object().size(), 8u);
    for (const auto &alan : dip.at("fields").as_object())
        EXPECT_EQ(alan.value(), "") << alan.key();

    EXPECT_EQ(kayit::yaz(TMobilSepet()).at("fields").as_object().size(), 53u);
    EXPECT_EQ(kayit::yaz(TMobilCariBilgisi()).at("fields").as_object().size(), 30u);
}

// Every field set to a value other than its default survives a round trip.
template<class T> void gidisDonus(const char *ad)
{
    T k;
    const QMetaObject &mo = T::staticMetaObject;
    for (int i = 0; i < mo.propertyCount(); ++i) {
        const QMetaProperty p = mo.property(i);
        switch (p.metaType().id()) {
        case QMetaType::Int:
            p.writeOnGadget(&k, 1000 + i);
            break;
        case QMetaType::Double:
            p.writeOnGadget(&k, 0.5 + i);
            break;
        case QMetaType::Bool:
            p.writeOnGadget(&k, true);
            break;
        case QMetaType::QString:
            p.writeOnGadget(&k, QStringLiteral("Değer ğüşİ \"%1\"").arg(i));
            break;
        default:
            break;
        }
    }
    const std::string metin = json::serialize(kayit::yaz(k));
    auto geri = kayit::oku<T>(json::parse(metin));
    ASSERT_TRUE(geri) << ad;
    EXPECT_EQ(json::serialize(kayit::yaz(*geri)), metin) << ad;
}

TEST(Records, RoundTripOfEveryKind)
{
    gidisDonus<TSonucBilgisi>("TSonucBilgisi");
    gidisDonus<TSiparisDipAyrinti>("TSiparisDipAyrinti");
    gidisDonus<TTusSonuclari>("TTusSonuclari");
    gidisDonus<TAcilisEkran>("TAcilisEkran");
    gidisDonus<TMobilCariBilgisi>("TMobilCariBilgisi");
    gidisDonus<TMobilStok>("TMobilStok");
    gidisDonus<TMobilSepet>("TMobilSepet");
}

TEST(Records, NestedSlidesAreNumberedInOrder)
{
    TAcilisEkranlariki hepsi;
    for (int i = 1; i <= 2; ++i) {
        TAcilisEkran e;
        e.FSiraNo = i;
        e.FBaslik = QStringLiteral("Slayt %1").arg(i);
        e.FArama = i == 1 ? QStringLiteral("#YENİ#") : QStringLiteral("FREN");
        hepsi.FEkranlar.append(e);
    }
    const json::object o = kayit::yaz(hepsi);
    EXPECT_EQ(o.at("id"), 1);
    const json::array &a = o.at("fields").at("FEkranlar").as_array();
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].at("id"), 2);
    EXPECT_EQ(a[1].at("id"), 3);
    EXPECT_EQ(a[0].at("type"), "mobilstokunit.TAcilisEkran");

    auto geri = kayit::oku<TAcilisEkranlariki>(o);
    ASSERT_EQ(geri->FEkranlar.size(), 2);
    EXPECT_EQ(geri->FEkranlar[0].FArama, QStringLiteral("#YENİ#"));
    EXPECT_EQ(geri->FEkranlar[1].FSiraNo, 2);

    // Deserialised by "type" alone as well.
    const QVariant v = kayit::okuTipten(o);
    ASSERT_TRUE(v.canConvert<TAcilisEkranlariki>());
    EXPECT_EQ(v.value<TAcilisEkranlariki>().FEkranlar[1].FBaslik, QStringLiteral("Slayt 2"));
}

TEST(Records, ReaderIsLenientAboutOrderAndUnknownMembers)
{
    auto k = kayit::oku<TSonucBilgisi>(json::parse(
        R"({"fields":{"Fbilinmeyen":5,"FVersion":6,"FADI":"BAYI1","FVarmi":true},"id":1,"type":"baglantiu.TSonucBilgisi","ek":0})"));
    ASSERT_TRUE(k);
    EXPECT_EQ(k->FVersion, 6);
    EXPECT_EQ(k->FADI, QStringLiteral("BAYI1"));
    EXPECT_TRUE(k->FVarmi);
    EXPECT_EQ(k->FMusteriTipi, 1); // absent: default kept
    EXPECT_FALSE(kayit::oku<TSonucBilgisi>(json::value(nullptr)));
}

TEST(Records, ReaderRejectsWrongTypeAndNamesTheField)
{
    const auto hataMetni = [](const char *metin) {
        try {
            kayit::oku<TSonucBilgisi>(json::parse(metin));
        } catch (const kayit::KayitHatasi &e) {
            return std::string(e.what());
        }
        return std::string("hata yok");
    };
    EXPECT_NE(hataMetni(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})").find("TTusSonuclari"),
              std::string::npos);
    EXPECT_NE(hataMetni(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"12"}})").find("FCARINO"),
              std::string::npos);
    EXPECT_NE(hataMetni(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":4294967296}})").find("FCARINO"),
              std::string::npos);
    EXPECT_NE(hataMetni(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":1}})").find("FVarmi"),
              std::string::npos);
    EXPECT_NE(hataMetni(R"({"type":"baglantiu.TSonucBilgisi","id":1})").find("fields"), std::string::npos);
    EXPECT_NE(hataMetni(R"([1,2])").find("JSON"), std::string::npos);
}

TEST(Records, KopyalaCopiesEveryFieldAndLeavesTheSourceAlone)
{
    TSonucBilgisi kaynak;
    kaynak.FCARINO = 42;
    kaynak.FADI = QStringLiteral("TEMSİLCİ");
    kaynak.FVarmi = true;
    kaynak.FMusteriTipi = 2;
    kaynak.FDisip = QStringLiteral("10.1.2.3");
    TSonucBilgisi kopya;
    kopya.Kopyala(kaynak);
    EXPECT_EQ(json::serialize(kayit::yaz(kopya)), json::serialize(kayit::yaz(kaynak)));
    kopya.FCARINO = 7;
    EXPECT_EQ(kaynak.FCARINO, 42);

    TMobilSepet satir;
    satir.FTARIH = 46000;
    satir.FResim = QStringLiteral("FFD8");
    TMobilSepet satir2;
    satir2.Kopyala(satir);
    EXPECT_EQ(satir2.FTARIH, 46000);
    EXPECT_EQ(satir2.FResim, QStringLiteral("FFD8"));
}

TEST(Records, PictureTextDecoding)
{
    EXPECT_EQ(ResimMetniCoz(u"FFD8"), QByteArray("\xFF\xD8", 2));
    EXPECT_EQ(ResimMetniCoz(u"ffd8A"), QByteArray("\xFF\xD8\x0A", 3));
    EXPECT_EQ(ResimMetniCoz(u""), QByteArray());
    EXPECT_FALSE(ResimMetniCoz(u"FG"));
}
