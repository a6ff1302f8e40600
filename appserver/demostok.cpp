#include "appserver/demostok.h"

#include "appserver/demorastgele.h"
#include "appserver/turkcekatla.h"

#include <SQLiteCpp/Statement.h>

#include <cmath>
#include <string>
#include <vector>

namespace appserver {
namespace {

struct Parca
{
    const char *adi;
    const char *grup;
    const char *kod; // two letters that start the item code
    int enAz, enCok; // list price range
    bool yonlu; // has front/rear, left/right variants
    const char *birim;
};

const std::vector<Parca> &parcalar()
{
    static const std::vector<Parca> p {
        { "FREN BALATASI", "FREN", "FB", 180, 950, true, "TAKIM" },
        { "FREN DİSKİ", "FREN", "FD", 350, 1800, true, "ADET" },
        { "FREN KALİPERİ", "FREN", "FK", 900, 4200, true, "ADET" },
        { "FREN MERKEZİ", "FREN", "FM", 700, 2600, false, "ADET" },
        { "FREN HORTUMU", "FREN", "FH", 90, 380, true, "ADET" },
        { "EL FRENİ TELİ", "FREN", "ET", 120, 420, false, "ADET" },
        { "ABS SENSÖRÜ", "FREN", "AB", 260, 1300, true, "ADET" },
        { "KAMPANA", "FREN", "KP", 400, 1500, false, "ADET" },
        { "YAĞ FİLTRESİ", "FİLTRE", "YF", 60, 320, false, "ADET" },
        { "HAVA FİLTRESİ", "FİLTRE", "HF", 80, 450, false, "ADET" },
        { "YAKIT FİLTRESİ", "FİLTRE", "YK", 90, 600, false, "ADET" },
        { "POLEN FİLTRESİ", "FİLTRE", "PF", 70, 350, false, "ADET" },
        { "DEBRİYAJ SETİ", "ŞANZIMAN", "DS", 1800, 7500, false, "TAKIM" },
        { "DEBRİYAJ BASKISI", "ŞANZIMAN", "DB", 900, 3500, false, "ADET" },
        { "DEBRİYAJ RULMANI", "ŞANZIMAN", "DR", 300, 1200, false, "ADET" },
        { "DEBRİYAJ TELİ", "ŞANZIMAN", "DT", 120, 450, false, "ADET" },
        { "VİTES HALATI", "ŞANZIMAN", "VH", 250, 900, false, "ADET" },
        { "ŞANZIMAN TAKOZU", "ŞANZIMAN", "ŞT", 200, 900, false, "ADET" },
        { "VOLANT", "ŞANZIMAN", "VL", 2500, 9000, false, "ADET" },
        { "AMORTİSÖR", "SÜSPANSİYON", "AM", 700, 3200, true, "ADET" },
        { "AMORTİSÖR TAKOZU", "SÜSPANSİYON", "AT", 150, 650, true, "ADET" },
        { "HELEZON YAY", "SÜSPANSİYON", "HY", 350, 1400, true, "ADET" },
        { "ROTBAŞI", "SÜSPANSİYON", "RB", 150, 650, true, "ADET" },
        { "ROT MİLİ", "SÜSPANSİYON", "RM", 200, 800, true, "ADET" },
        { "ROTİL", "SÜSPANSİYON", "RT", 180, 700, true, "ADET" },
        { "SALINCAK", "SÜSPANSİYON", "SL", 450, 2200, true, "ADET" },
        { "Z ROT", "SÜSPANSİYON", "ZR", 150, 600, true, "ADET" },
        { "BURÇ", "SÜSPANSİYON", "BR", 40, 220, true, "ADET" },
        { "STABİLİZATÖR ÇUBUĞU", "SÜSPANSİYON", "SÇ", 600, 2400, true, "ADET" },
        { "AKS KÖRÜĞÜ", "AKTARMA", "AK", 80, 300, true, "TAKIM" },
        { "AKS", "AKTARMA", "AX", 1500, 6500, true, "ADET" },
        { "TEKER RULMANI", "AKTARMA", "TR", 300, 1500, true, "ADET" },
        { "DİFERANSİYEL KEÇESİ", "AKTARMA", "DK", 60, 260, false, "ADET" },
        { "BUJİ", "ATEŞLEME", "BJ", 60, 280, false, "ADET" },
        { "ISITMA BUJİSİ", "ATEŞLEME", "IB", 120, 500, false, "ADET" },
        { "ATEŞLEME BOBİNİ", "ATEŞLEME", "AE", 400, 1600, false, "ADET" },
        { "TRİGER SETİ", "MOTOR", "TS", 900, 4200, false, "TAKIM" },
        { "TRİGER KAYIŞI", "MOTOR", "TK", 250, 900, false, "ADET" },
        { "V KAYIŞI", "MOTOR", "VK", 90, 350, false, "ADET" },
        { "GERGİ RULMANI", "MOTOR", "GR", 250, 1000, false, "ADET" },
        { "ZİNCİR SETİ", "MOTOR", "ZS", 1800, 6500, false, "TAKIM" },
        { "SİLİNDİR KAPAK CONTASI", "MOTOR", "SC", 250, 1100, false, "ADET" },
        { "KARTER CONTASI", "MOTOR", "KC", 80, 300, false, "ADET" },
        { "KEÇE TAKIMI", "MOTOR", "KT", 150, 600, false, "TAKIM" },
        { "PİSTON SEGMAN", "MOTOR", "PS", 900, 3800, false, "TAKIM" },
        { "KRANK MİLİ", "MOTOR", "KM", 4000, 15000, false, "ADET" },
        { "EKSANTRİK MİLİ", "MOTOR", "EM", 2500, 9000, false, "ADET" },
        { "SUPAP", "MOTOR", "SP", 90, 400, false, "ADET" },
        { "YAĞ POMPASI", "MOTOR", "YP", 900, 3600, false, "ADET" },
        { "YAĞ SOĞUTUCU", "MOTOR", "YS", 800, 3000, false, "ADET" },
        { "MOTOR KULAĞI", "MOTOR", "MK", 300, 1400, true, "ADET" },
        { "TURBO", "MOTOR", "TB", 9000, 28000, false, "ADET" },
        { "ENJEKTÖR", "YAKIT", "EN", 1500, 6000, false, "ADET" },
        { "YAKIT POMPASI", "YAKIT", "YR", 1200, 5000, false, "ADET" },
        { "GAZ KELEBEĞİ", "YAKIT", "GK", 1500, 5200, false, "ADET" },
        { "HAVA AKIŞ METRESİ", "YAKIT", "HA", 1200, 4500, false, "ADET" },
        { "EGR VALFİ", "YAKIT", "EV", 1100, 4200, false, "ADET" },
        { "DEVİRDAİM POMPASI", "SOĞUTMA", "DP", 500, 2200, false, "ADET" },
        { "TERMOSTAT", "SOĞUTMA", "TM", 150, 700, false, "ADET" },
        { "RADYATÖR", "SOĞUTMA", "RD", 1200, 5000, false, "ADET" },
        { "RADYATÖR HORTUMU", "SOĞUTMA", "RH", 90, 400, false, "ADET" },
        { "FAN MOTORU", "SOĞUTMA", "FN", 900, 3600, false, "ADET" },
        { "KALORİFER RADYATÖRÜ", "SOĞUTMA", "KR", 600, 2400, false, "ADET" },
        { "KLİMA KOMPRESÖRÜ", "KLİMA", "KK", 5000, 16000, false, "ADET" },
        { "KLİMA RADYATÖRÜ", "KLİMA", "KL", 1400, 5200, false, "ADET" },
        { "MARŞ MOTORU", "ELEKTRİK", "MM", 2200, 7500, false, "ADET" },
        { "ŞARJ DİNAMOSU", "ELEKTRİK", "ŞD", 2500, 8500, false, "ADET" },
        { "AKÜ", "ELEKTRİK", "AC", 1800, 6000, false, "ADET" },
        { "KORNA", "ELEKTRİK", "KN", 150, 600, false, "ADET" },
        { "LAMBDA SENSÖRÜ", "ELEKTRİK", "LS", 700, 2800, false, "ADET" },
        { "KRANK SENSÖRÜ", "ELEKTRİK", "KS", 350, 1300, false, "ADET" },
        { "PARK SENSÖRÜ", "ELEKTRİK", "PK", 250, 900, false, "ADET" },
        { "SİLECEK MOTORU", "ELEKTRİK", "SM", 800, 2800, false, "ADET" },
        { "CAM KRİKOSU", "ELEKTRİK", "CK", 600, 2200, true, "ADET" },
        { "FAR", "AYDINLATMA", "FR", 1500, 9000, true, "ADET" },
        { "STOP LAMBASI", "AYDINLATMA", "SS", 500, 2600, true, "ADET" },
        { "SİS FARI", "AYDINLATMA", "SF", 350, 1500, true, "ADET" },
        { "SİLECEK SÜPÜRGESİ", "KAPORTA", "SG", 80, 400, true, "ADET" },
        { "YAN AYNA", "KAPORTA", "YA", 700, 3200, true, "ADET" },
        { "AYNA CAMI", "KAPORTA", "AY", 120, 500, true, "ADET" },
        { "KAPI KOLU", "KAPORTA", "KO", 150, 700, true, "ADET" },
        { "ÇAMURLUK", "KAPORTA", "ÇM", 900, 3800, true, "ADET" },
        { "TAMPON", "KAPORTA", "TP", 1500, 6500, true, "ADET" },
        { "PANJUR", "KAPORTA", "PJ", 400, 1800, false, "ADET" },
        { "KAPUT", "KAPORTA", "KA", 2200, 8000, false, "ADET" },
        { "KAPI FİTİLİ", "KAPORTA", "KF", 150, 600, true, "ADET" },
        { "BAGAJ AMORTİSÖRÜ", "KAPORTA", "BA", 150, 600, false, "ÇİFT" },
        { "EGZOZ MANİFOLDU", "EGZOZ", "EG", 1200, 5000, false, "ADET" },
        { "EGZOZ SUSTURUCU", "EGZOZ", "ES", 600, 2500, true, "ADET" },
        { "KATALİTİK KONVERTÖR", "EGZOZ", "KV", 4000, 14000, false, "ADET" },
        { "PARTİKÜL FİLTRESİ", "EGZOZ", "PT", 6000, 20000, false, "ADET" },
        { "DİREKSİYON KUTUSU", "DİREKSİYON", "DI", 4000, 14000, false, "ADET" },
        { "HİDROLİK POMPA", "DİREKSİYON", "HP", 1800, 6500, false, "ADET" },
        { "MOTOR YAĞI 5W30", "YAĞ", "MY", 700, 1900, false, "LT" },
        { "ŞANZIMAN YAĞI", "YAĞ", "ŞY", 400, 1200, false, "LT" },
        { "FREN HİDROLİĞİ", "YAĞ", "FY", 120, 380, false, "LT" },
        { "ANTİFRİZ", "YAĞ", "AF", 250, 700, false, "LT" },
    };
    return p;
}

const std::vector<std::string> yonler { "ÖN", "ARKA", "ÖN SAĞ", "ÖN SOL", "ARKA SAĞ", "ARKA SOL" };

const std::vector<std::string> markalar {
    "ZEYREKPAR", "FERAX",    "DURMAX", "NOVAFREN", "SÜRTEKNİK", "ÇELİKSAN", "EKSENTEK",
    "YOLDAŞ",    "TEKNOROT", "PARSEK", "KUZEYPAR", "GÜNEYTEK",  "LİMANOTO", "ASİLPAR",
    "RAYTEKS",   "ORKANİS",  "VELTRA", "MERİDYEN", "KARAMPAR",  "ÖZGÜVEN",
};

const std::vector<std::string> modeller {
    "LEYLAK",  "ERGUVAN",  "NERGİS", "MENEKŞE", "SÜMBÜL", "KARDELEN", "GELİNCİK", "NİLÜFER", "ORKİDE", "ŞEBBOY",
    "IHLAMUR", "KESTANE",  "ÇINAR",  "DEFNE",   "SEDEF",  "MERCAN",   "ZÜMRÜT",   "YAKAMOZ", "POYRAZ", "KARAYEL",
    "İMBAT",   "GÜNDOĞDU", "YILDIZ", "ATMACA",  "TURNA",  "KUMRU",    "SERÇE",    "PELİKAN", "MARTI",  "ALBATROS",
};
const std::vector<std::string> motorlar { "1.2", "1.3 DİZEL", "1.4", "1.4 TURBO", "1.5 DİZEL",
                                          "1.6", "1.6 DİZEL", "2.0", "2.0 DİZEL", "1.0 TURBO" };
const std::vector<std::string> ozelKodlar { "YERLİ", "İTHAL", "ORJİNAL", "MUADİL", "OEM" };

constexpr char harfler[] = "ABCDEFGHJKLMNPRSTUVYZ";

std::string rakamlar(DemoRastgele &r, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s.push_back(char('0' + r.alt(10)));
    return s;
}

std::string harf(DemoRastgele &r, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s.push_back(harfler[r.alt(int(sizeof harfler) - 1)]);
    return s;
}

// A made-up OEM number such as "7KD 615 301 B".
std::string oem(DemoRastgele &r)
{
    std::string s = rakamlar(r, 1) + harf(r, 2) + " " + rakamlar(r, 3) + " " + rakamlar(r, 3);
    if (r.yuzde(40))
        s += " " + harf(r, 1);
    return s;
}

double fiyat(DemoRastgele &r, int enAz, int enCok)
{
    const double x = enAz + (enCok - enAz) * (r.alt(10000) / 10000.0);
    return std::round(x * 4) / 4; // quarter liras, so the cents stay tidy
}

int durum(DemoRastgele &r)
{
    static const int dagilim[] = { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 2, 2, 3, 3, 4, 5 };
    return dagilim[r.alt(20)];
}

} // namespace

void demoStokYaz(SQLite::Database &db, DemoRastgele &r, int adet, int resimSayisi)
{
    SQLite::Statement st(db,
                         "INSERT INTO stok VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, "
                         "?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, ?24, ?25, ?26, ?27, ?28, ?29, ?30, ?31)");
    for (int no = 1; no <= adet; ++no) {
        const Parca &p = r.sec(parcalar());
        const int markaNo = r.alt(int(markalar.size()));
        const std::string &marka = markalar[size_t(markaNo)];
        std::string model = r.sec(modeller) + " " + r.sec(motorlar);
        const int yil = 2005 + r.alt(15);
        model += " " + std::to_string(yil) + "-" + std::to_string(yil + 3 + r.alt(6));
        std::string adi = p.adi;
        if (p.yonlu && r.yuzde(60))
            adi += " " + r.sec(yonler);
        adi += " " + model.substr(0, model.find(' ', model.find(' ') + 1));
        const std::string barkod = std::string(p.kod) + rakamlar(r, 6);
        const long long barkodno = 10000000 + (static_cast<long long>(no) * 7919) % 90000000;
        const std::string oemno = oem(r);
        std::string oemler[4];
        for (int k = 0; k < 4; ++k)
            if (r.yuzde(35 - 8 * k))
                oemler[k] = oem(r);
        const double liste = fiyat(r, p.enAz, p.enCok);
        const bool kampanya = r.yuzde(5);
        const double kamp = kampanya ? std::round(liste * (70 + r.alt(20))) / 100 : 0;
        const int resim = resimSayisi > 0 && r.yuzde(10) ? 1 + r.alt(resimSayisi) : 0;
        const double kdv = r.yuzde(92) ? 18 : 8;
        std::string arama = barkod + '\x1f' + std::to_string(barkodno) + '\x1f' + adi + '\x1f' + oemno;
        for (const auto &o : oemler)
            if (!o.empty())
                arama += '\x1f' + o;

        int i = 1;
        st.bind(i++, no);
        st.bind(i++, barkod);
        st.bind(i++, static_cast<int64_t>(barkodno));
        st.bind(i++, adi);
        st.bind(i++, std::string(p.adi) + " " + marka);
        st.bind(i++, marka);
        st.bind(i++, model);
        st.bind(i++, "FN-" + rakamlar(r, 4));
        st.bind(i++, oemno);
        for (const auto &o : oemler)
            st.bind(i++, o);
        st.bind(i++, katla(marka).substr(0, 3) + "-" + rakamlar(r, 5)); // folded: three bytes are three letters
        st.bind(i++, p.grup);
        st.bind(i++, r.sec(ozelKodlar));
        st.bind(i++, "D" + std::to_string(1 + markaNo % 9));
        st.bind(i++, std::string("P") + p.kod);
        st.bind(i++, p.birim);
        st.bind(i++, kdv);
        st.bind(i++, liste);
        st.bind(i++, kamp);
        st.bind(i++, kampanya ? 1 : 0);
        st.bind(i++, r.yuzde(3) ? 1 : 0);
        st.bind(i++, durum(r));
        if (resim)
            st.bind(i++, resim);
        else
            st.bind(i++); // null: no picture
        st.bind(i++, 1 + r.alt(8));
        st.bind(i++, double(r.alt(400)));
        st.bind(i++, double(r.yuzde(30) ? r.alt(60) : 0));
        st.bind(i++, double(r.yuzde(20) ? r.alt(120) : 0));
        st.bind(i++, katla(arama));
        st.exec();
        st.reset();
    }
}

} // namespace appserver
