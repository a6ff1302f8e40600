// Result tables: decoding a stock packet against a plain JSON parse of the same
// bytes, the memory a loaded stock list takes per cell, and money formatting.
// Run: bench/bench_table [--benchmark_min_time=1]
#include "app/common/para.h"
#include "platform/sayibicimi.h"
#include "server/resulttable.h"

#include <benchmark/benchmark.h>
#include <boost/json.hpp>

#include <cstdio>
#include <map>
#include <random>

namespace json = boost::json;

namespace {

struct Sutun
{
    const char *ad;
    const char *tur;
    int boy;
};

// The stock list's columns, with a few more of the kind a stock query returns.
const Sutun stokSutunlari[] = {
    { "DURUM", "int32", 0 },
    { "OEM1", "string", 30 },
    { "OEM2", "string", 30 },
    { "OEM3", "string", 30 },
    { "BARKOD", "string", 30 },
    { "OEMNO", "string", 30 },
    { "ADI", "string", 60 },
    { "OEM4", "string", 30 },
    { "STOK_STOKNO", "int32", 0 },
    { "FINISHKOD", "string", 30 },
    { "URETICIKODU", "string", 30 },
    { "RESIM", "int32", 0 },
    { "BARKOD_BARKODNO", "int32", 0 },
    { "DIGERADI", "string", 60 },
    { "DPKOD", "string", 20 },
    { "BIRIM", "string", 10 },
    { "MARKA", "string", 30 },
    { "MODEL", "string", 40 },
    { "ANAGRUP", "string", 30 },
    { "OZELKOD", "string", 20 },
    { "KALAN", "double", 0 },
    { "PKOD", "string", 20 },
    { "KDV", "double", 0 },
    { "ALINANSIPARIS", "double", 0 },
    { "VERILENSIPARIS", "double", 0 },
    { "LISTEFIYAT1", "double", 0 },
    { "KAMPFIYAT", "double", 0 },
    { "FIYAT", "double", 0 },
    { "Y", "int32", 0 },
    { "K", "int32", 0 },
    { "INDIRIMYAZI", "string", 30 },
    { "NETFIYAT", "double", 0 },
    { "KDVDAHIL", "double", 0 },
    { "IND1", "double", 0 },
    { "IND2", "double", 0 },
    { "IND3", "double", 0 },
    { "IND4", "double", 0 },
    { "DOVIZ", "string", 5 },
    { "KUR", "double", 0 },
    { "AGIRLIK", "double", 0 },
    { "RAFNO", "string", 10 },
    { "ACIKLAMA", "string", 100 },
    { "ESDEGER", "string", 30 },
    { "GRUPKODU", "string", 20 },
    { "GUNCELLEME", "date", 0 },
};

const char *const parcalar[]
    = { "FREN BALATASI ÖN",  "FREN DİSKİ ARKA", "YAĞ FİLTRESİ",  "HAVA FİLTRESİ", "ŞANZIMAN YAĞI", "DEBRİYAJ SETİ",
        "AMORTİSÖR ÖN SOL",  "ROT BAŞI",        "BUJİ",          "TRİGER SETİ",   "SU POMPASI",    "RADYATÖR",
        "SİLECEK SÜPÜRGESİ", "AKÜ 60 AH",       "FAR AMPULÜ H7", "ÇAMURLUK" };
const char *const markalar[] = { "KARTAL", "ANADOLU", "DOĞAN", "TUNA", "ERCİYES", "MERİDYEN" };
const char *const modeller[] = { "SEDAN 1.6", "HATCHBACK 1.4", "KAMYONET 2.2 TDI", "SW 1.5 DCI", "COUPE 2.0" };

// A deterministic packet of the stock list's shape.
std::string stokPaketi(int satirSayisi)
{
    std::mt19937 g(4242);
    auto sec = [&g](auto &dizi) { return dizi[g() % std::size(dizi)]; };
    auto kod = [&g](const char *on) { return std::string(on) + std::to_string(100000 + g() % 900000); };
    auto fiyat = [&g] { return double(g() % 500000) / 100.0; };

    json::array sutunlar;
    for (const Sutun &s : stokSutunlari) {
        json::object o { { "name", s.ad }, { "type", s.tur } };
        if (s.boy)
            o["size"] = s.boy;
        sutunlar.push_back(std::move(o));
    }
    json::array satirlar;
    satirlar.reserve(size_t(satirSayisi));
    for (int r = 0; r < satirSayisi; ++r) {
        json::array a;
        for (const Sutun &s : stokSutunlari) {
            const std::string_view tur = s.tur, ad = s.ad;
            if (tur == "int32")
                a.push_back(ad == "STOK_STOKNO" || ad == "BARKOD_BARKODNO" ? int64_t(r + 1) : int64_t(g() % 6));
            else if (tur == "date")
                a.push_back(int64_t(45000 + g() % 700));
            else if (tur == "double")
                a.push_back(ad.substr(0, 3) == "IND" ? double(g() % 4) * 5.0 : ad == "KDV" ? 20.0 : fiyat());
            else if (ad == "ADI" || ad == "DIGERADI")
                a.push_back(json::string(std::string(sec(parcalar)) + " " + sec(modeller)));
            else if (ad == "MARKA")
                a.push_back(sec(markalar));
            else if (ad == "MODEL")
                a.push_back(sec(modeller));
            else if (ad == "BIRIM")
                a.push_back("ADET");
            else if (ad == "DOVIZ")
                a.push_back("TL");
            else if (ad == "INDIRIMYAZI")
                a.push_back("10+5");
            else if (ad == "ACIKLAMA")
                a.push_back(g() % 4 ? json::value("") : json::value("ORİJİNAL AMBALAJ, İTHAL ÜRÜN"));
            else if (ad.substr(0, 3) == "OEM" && g() % 3 == 0)
                a.push_back(nullptr);
            else
                a.push_back(json::string(kod("TRN-")));
        }
        satirlar.push_back(std::move(a));
    }
    return json::serialize(json::object { { "columns", std::move(sutunlar) }, { "rows", std::move(satirlar) } });
}

const std::string &onBinSatir()
{
    static const std::string s = stokPaketi(10000);
    return s;
}

void BM_JsonParse(benchmark::State &state)
{
    const std::string &metin = onBinSatir();
    for (auto _ : state) {
        json::value v = json::parse(metin);
        benchmark::DoNotOptimize(v);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(metin.size()));
}
BENCHMARK(BM_JsonParse)->Unit(benchmark::kMillisecond);

// What a list load costs: the same parse, then the typed columns filled.
void BM_TableDecode(benchmark::State &state)
{
    const std::string &metin = onBinSatir();
    for (auto _ : state) {
        json::value v = json::parse(metin);
        ResultTable t = decodeTable(v);
        benchmark::DoNotOptimize(t);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(metin.size()));
}
BENCHMARK(BM_TableDecode)->Unit(benchmark::kMillisecond);

// The fill alone, from an already parsed value.
void BM_TableFillOnly(benchmark::State &state)
{
    const json::value v = json::parse(onBinSatir());
    for (auto _ : state) {
        ResultTable t = decodeTable(v);
        benchmark::DoNotOptimize(t);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(onBinSatir().size()));
}
BENCHMARK(BM_TableFillOnly)->Unit(benchmark::kMillisecond);

void BM_StockTableMemory(benchmark::State &state)
{
    const json::value v = json::parse(stokPaketi(100000));
    double hucre = 0, bayt = 0;
    for (auto _ : state) {
        ResultTable t = decodeTable(v);
        hucre = double(t.rowCount()) * t.columnCount();
        bayt = double(t.storageBytes());
        benchmark::DoNotOptimize(t);
    }
    state.counters["bytes_per_cell"] = bayt / hucre;
    state.counters["table_MB"] = bayt / 1e6;
}
BENCHMARK(BM_StockTableMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

std::vector<double> tutarlar()
{
    std::mt19937_64 g(99);
    std::uniform_real_distribution<double> d(-1e6, 1e7);
    std::vector<double> v(100000);
    for (double &x : v)
        x = d(g);
    return v;
}

void BM_FormatMoney100k(benchmark::State &state)
{
    const std::vector<double> v = tutarlar();
    const SayiBicimi bicim(ParaBicimi, QLocale(QLocale::Turkish, QLocale::Turkey));
    for (auto _ : state) {
        for (double x : v) {
            QString s = bicim.bicimle(x);
            benchmark::DoNotOptimize(s);
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(v.size()));
}
BENCHMARK(BM_FormatMoney100k)->Unit(benchmark::kMillisecond);

void BM_IkiHaneYuvarla100k(benchmark::State &state)
{
    const std::vector<double> v = tutarlar();
    for (auto _ : state) {
        double toplam = 0;
        for (double x : v)
            toplam = IkiHaneYuvarla(toplam + x);
        benchmark::DoNotOptimize(toplam);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(v.size()));
}
BENCHMARK(BM_IkiHaneYuvarla100k)->Unit(benchmark::kMillisecond);

// Prints the decode speed as a share of the plain parse speed after the runs.
class OranRaporu : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            const auto it = r.counters.find("bytes_per_second");
            if (it == r.counters.end())
                continue;
            if (r.run_type == Run::RT_Iteration)
                m_tek[r.run_name.function_name] = it->second.value;
            else if (r.aggregate_name == "median") // with repetitions the median stands for the run
                m_orta[r.run_name.function_name] = it->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double ayristir = hiz("BM_JsonParse"), tablo = hiz("BM_TableDecode");
        if (ayristir > 0 && tablo > 0)
            std::printf("plain parse %.1f MB/s, table decode (parse + fill) %.1f MB/s: %.0f %% of the parse speed\n",
                        ayristir / 1e6, tablo / 1e6, 100.0 * tablo / ayristir);
    }

private:
    double hiz(const std::string &ad) const
    {
        const auto o = m_orta.find(ad);
        if (o != m_orta.end())
            return o->second;
        const auto t = m_tek.find(ad);
        return t != m_tek.end() ? t->second : 0;
    }
    std::map<std::string, double> m_tek, m_orta;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    OranRaporu rapor;
    benchmark::RunSpecifiedBenchmarks(&rapor);
    benchmark::Shutdown();
    return 0;
}
