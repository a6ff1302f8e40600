#include "appserver/demoveri.h"

#include "appserver/demorastgele.h"
#include "appserver/demostok.h"
#include "appserver/sema.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QDate>

#include <filesystem>

namespace appserver {
namespace {

constexpr int cariSayisi = 300;
constexpr int temsilciSayisi = 5;
constexpr int indirimGrubu = 6;
constexpr int indirimSinifi = 8;

const std::vector<std::string> soyadlar { "ÖZKAN",  "YILDIRIM", "ŞAHİN",  "ÇELİK", "AKSOY",   "KARACA", "DEMİRCİ",
                                          "GÜNEŞ",  "ERDOĞDU",  "KAPLAN", "TUNÇ",  "ACAR",    "BULUT",  "KORKMAZ",
                                          "ÖZTÜRK", "ARSLAN",   "KILIÇ",  "POLAT", "AYDOĞAN", "ÇAKIR" };
const std::vector<std::string> ekler { "OTO YEDEK PARÇA", "OTOMOTİV",       "OTO SANAYİ", "YEDEK PARÇA TİC. LTD. ŞTİ.",
                                       "OTO ELEKTRİK",    "MOTORLU ARAÇLAR" };
const std::vector<std::string> sehirler { "İSTANBUL", "ANKARA",     "İZMİR",   "BURSA",     "KONYA",
                                          "ADANA",    "GAZİANTEP",  "KAYSERİ", "ESKİŞEHİR", "SAMSUN",
                                          "TRABZON",  "DİYARBAKIR", "ANTALYA", "SİVAS" };

void temsilcilerYaz(SQLite::Database &db)
{
    static const char *adlar[temsilciSayisi]
        = { "AHMET YILMAZ", "ELİF KARA", "MURAT ŞEN", "SELİN ÖZDEMİR", "CAN AKIN" };
    static const char *postalar[temsilciSayisi]
        = { "ahmet.yilmaz", "elif.kara", "murat.sen", "selin.ozdemir", "can.akin" };
    SQLite::Statement st(db, "INSERT INTO temsilci VALUES(?1, ?2, ?3, ?4)");
    for (int i = 0; i < temsilciSayisi; ++i) {
        st.bind(1, i + 1);
        st.bind(2, adlar[i]);
        st.bind(3, std::string(postalar[i]) + "@tarnevooto.example");
        st.bind(4, "0212 555 01 0" + std::to_string(i + 1));
        st.exec();
        st.reset();
    }
}

// Customer n belongs to representative (n-1) % 5 + 1 and discount group (n-1) % 6 + 1.
void carilerYaz(SQLite::Database &db, DemoRastgele &r)
{
    SQLite::Statement st(db, "INSERT INTO cari VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    for (int n = 1; n <= cariSayisi; ++n) {
        char kod[16];
        std::snprintf(kod, sizeof kod, "120.01.%04d", n);
        st.bind(1, n);
        st.bind(2, kod);
        st.bind(3, r.sec(soyadlar) + " " + r.sec(ekler));
        st.bind(4, (n - 1) % temsilciSayisi + 1);
        st.bind(5, (n - 1) % indirimGrubu + 1);
        st.bind(6, r.sec(sehirler));
        st.bind(7,
                "0" + std::to_string(212 + r.alt(300)) + " " + std::to_string(200 + r.alt(800)) + " "
                    + std::to_string(10 + r.alt(89)) + " " + std::to_string(10 + r.alt(89)));
        st.bind(8, "cari" + std::to_string(n) + "@bayi.example");
        st.exec();
        st.reset();
    }
}

void kullanicilarYaz(SQLite::Database &db)
{
    // Demo credentials, documented in README.md.
    db.exec(R"sql(
INSERT INTO kullanici VALUES
 (1, 'TEMSILCI1', '1234', 1, 'ahmet.yilmaz@tarnevooto.example', 1, NULL, 1),
 (2, 'TEMSILCI2', '1234', 1, 'elif.kara@tarnevooto.example', 2, NULL, 2),
 (3, 'BAYI3', '1234', 1, 'cari1@bayi.example', 3, 1, NULL),
 (4, 'BAYI4', '1234', 1, 'cari2@bayi.example', 4, 2, NULL),
 (5, 'PASIFBAYI', '1234', 0, 'cari3@bayi.example', 3, 3, NULL);
INSERT INTO istasyon VALUES ('DEMO-TEMSILCI1', 1), ('DEMO-TEMSILCI2', 2), ('DEMO-BAYI3', 3), ('DEMO-BAYI4', 4),
 ('DEMO-PASIFBAYI', 5);
INSERT INTO teslim VALUES (1, 'Depodan Teslim Alacağım'), (2, 'Kargo ile Gönderilsin'), (3, 'Servis Aracı ile');
INSERT INTO kargo_turu VALUES (1, 'Alıcı Ödemeli'), (2, 'Gönderici Ödemeli'), (3, 'Anlaşmalı Ambar');
INSERT INTO kargo_firma VALUES
 (1, 1, 'HIZIR KARGO', 'Saat 15:00''ten sonra verilen siparişler ertesi gün kargoya verilir.'),
 (2, 1, 'YILDIRIM KARGO', ''),
 (3, 1, 'ÇAĞRI LOJİSTİK', 'Desi hesabı alıcıya aittir.'),
 (4, 2, 'HIZIR KARGO', ''),
 (5, 2, 'MARMARA EKSPRES', 'Yalnızca Marmara bölgesine gönderim yapılır.'),
 (6, 3, 'ANADOLU AMBAR NAKLİYAT', 'Ambar teslimi en az 3 iş günü sürer.'),
 (7, 3, 'EGE AMBARI', '');
)sql");
}

// Group g, class s: rates that differ across the table, some with a second or third step.
void indirimlerYaz(SQLite::Database &db)
{
    SQLite::Statement st(db, "INSERT INTO indirim VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    static const double birinci[] = { 0, 5, 10, 15, 20, 25, 30, 35 };
    for (int g = 1; g <= indirimGrubu; ++g)
        for (int s = 1; s <= indirimSinifi; ++s) {
            st.bind(1, g);
            st.bind(2, s);
            st.bind(3, birinci[(g + s) % 8]);
            st.bind(4, (g * s) % 3 == 0 ? 5.0 : 0.0);
            st.bind(5, (g + s) % 5 == 0 ? 2.0 : 0.0);
            st.bind(6, g == indirimGrubu && s == indirimSinifi ? 1.0 : 0.0);
            st.exec();
            st.reset();
        }
}

void resimlerYaz(SQLite::Database &db, const std::vector<std::string> &resimler)
{
    SQLite::Statement st(db, "INSERT INTO resim VALUES(?1, ?2)");
    for (size_t i = 0; i < resimler.size(); ++i) {
        st.bind(1, int(i + 1));
        st.bind(2, resimler[i].data(), int(resimler[i].size()));
        st.exec();
        st.reset();
    }
}

// Open invoices, due 30 days after issue, dated relative to the day of seeding.
// Every customer has one that is not due yet; customers 1, 4, 7, ... also owe
// past the due date. Customer 1 (BAYI3): 8.420,50 due 45 days ago and 3.925,17
// due 12 days ago. Customer 2 (BAYI4) has a settled invoice past its date too.
void acikFaturalarYaz(SQLite::Database &db)
{
    const int bugun = int(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
    SQLite::Statement st(db, "INSERT INTO acik_fatura(carino, belgeno, tarih, vade, kalan) VALUES(?1, ?2, ?3, ?4, ?5)");
    int belge = 0;
    const auto yaz = [&](int carino, int vade, double kalan) {
        char no[16];
        std::snprintf(no, sizeof no, "FTR%06d", ++belge);
        st.bind(1, carino);
        st.bind(2, no);
        st.bind(3, vade - 30);
        st.bind(4, vade);
        st.bind(5, kalan);
        st.exec();
        st.reset();
    };
    for (int n = 1; n <= cariSayisi; ++n) {
        yaz(n, bugun + 10 + n % 20, 500 + (n * 389) % 4000 + (n % 100) / 100.0);
        if (n == 1) {
            yaz(n, bugun - 45, 8420.50);
            yaz(n, bugun - 12, 3925.17);
        } else if (n == 2) {
            yaz(n, bugun - 60, 0);
        } else if (n % 3 == 1) {
            yaz(n, bugun - 5 - (n * 13) % 90, 1000 + (n * 7919) % 20000 + (n % 100) / 100.0);
        }
    }
}

} // namespace

void demoVeriKur(const SeedOptions &o)
{
    for (const char *ek : { "", "-wal", "-shm" })
        std::filesystem::remove(o.database + ek);
    const std::vector<std::string> resimler = demoResimleri();
    SQLite::Database db(o.database, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    semaKur(db);
    db.exec("PRAGMA synchronous=OFF"); // a failed seed is simply run again
    DemoRastgele r(o.seed);
    {
        SQLite::Transaction t(db);
        resimlerYaz(db, resimler);
        temsilcilerYaz(db);
        carilerYaz(db, r);
        kullanicilarYaz(db);
        indirimlerYaz(db);
        demoStokYaz(db, r, o.items, int(resimler.size()));
        acikFaturalarYaz(db);
        t.commit();
    }
    {
        SQLite::Transaction t(db);
        aramaDiziniKur(db);
        t.commit();
    }
    // WAL only now: during the load a rollback journal writes nothing for new pages.
    db.exec("PRAGMA optimize; PRAGMA journal_mode=WAL;");
}

} // namespace appserver
