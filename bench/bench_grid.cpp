// The data grid over a 100,000-row stock-like table, shown offscreen: sorting by
// a text and by a number column, a one-value filter and clearing it, each with
// the model reset and the repaint of the visible rows.
//   bench/bench_grid --benchmark_min_time=1
#include "platform/grid/izgara.h"
#include "server/resulttable.h"

#include <QApplication>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kSatir = 100000;
const QString kPara = QStringLiteral("#,###,##0.00");

struct Uretec
{
    quint64 s = 0x9E3779B97F4A7C15ull;
    quint32 operator()()
    {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return quint32(s >> 33);
    }
};

QString metin(Uretec &u, int enAz, int enFazla)
{
    static const char *heceler[] = { "FREN",  "BALATA", "ŞANZ", "AMORT", "İSÖR",  "CONTA", "YAĞ", "FİLTRE",
                                     "KAYIŞ", "RULMAN", "DİSK", "POMPA", "ÇUBUK", "GÖBEK", "SU",  "HAVA" };
    const int boy = enAz + int(u() % quint32(enFazla - enAz + 1));
    QString s;
    while (s.size() < boy) {
        if (!s.isEmpty())
            s += QLatin1Char(' ');
        s += QString::fromUtf8(heceler[u() % 16]);
        if (u() % 3 == 0)
            s += QString::number(u() % 1000);
    }
    s.truncate(boy);
    return s;
}

struct Kurulum
{
    ResultTable tablo;
    std::unique_ptr<Izgara> izgara;

    Kurulum()
    {
        const char *metinler[] = { "BARKOD", "ADI",     "MARKA",     "MODEL",           "OEMNO",      "OEM1",  "OEM2",
                                   "OEM3",   "OEM4",    "FINISHKOD", "URETICIKODU",     "DIGERADI",   "DPKOD", "PKOD",
                                   "BIRIM",  "ANAGRUP", "OZELKOD",   "BARKOD_BARKODNO", "INDIRIMYAZI" };
        const char *tamsayilar[] = { "STOK_STOKNO", "DURUM", "RESIM", "Y", "K", "KDV", "KALAN" };
        const char *paralar[]
            = { "FIYAT", "LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL", "IND1", "IND2", "IND3", "IND4" };
        std::vector<IzgaraSutunu> sutunlar;
        auto ekle = [&](const char *ad, ColumnType tur, Sunum sunum) {
            ColumnDef c;
            c.name = QString::fromLatin1(ad);
            c.type = tur;
            c.size = tur == ColumnType::String ? 60 : 0;
            if (tur == ColumnType::Double)
                c.displayFormat = kPara;
            tablo.addColumn(c);
            IzgaraSutunu s;
            s.alan = c.name;
            s.baslik = c.name;
            s.sunum = sunum;
            sutunlar.push_back(s);
        };
        for (const char *a : tamsayilar)
            ekle(a, ColumnType::Int32, Sunum::Metin);
        for (const char *a : metinler)
            ekle(a, ColumnType::String, Sunum::SarmaliMetin);
        for (const char *a : paralar)
            ekle(a, ColumnType::Double, Sunum::Metin);
        tablo.open();
        tablo.disableControls();
        Uretec u;
        const int ilkMetin = int(std::size(tamsayilar));
        const int ilkPara = ilkMetin + int(std::size(metinler));
        for (int r = 0; r < kSatir; ++r) {
            tablo.appendRow();
            tablo.setInt(r, 0, r + 1);
            for (int c = 1; c < ilkMetin; ++c)
                tablo.setInt(r, c, u() % 6);
            for (int c = ilkMetin; c < ilkPara; ++c) {
                if (c == ilkMetin + 2)
                    tablo.setString(r, c, QStringLiteral("MARKA %1").arg(u() % 40));
                else
                    tablo.setString(r, c, metin(u, 10, 60));
            }
            for (int c = ilkPara; c < tablo.columnCount(); ++c)
                tablo.setDouble(r, c, (u() % 10000000) / 100.0);
        }
        tablo.enableControls();
        izgara = std::make_unique<Izgara>();
        izgara->setSutunlar(std::move(sutunlar));
        izgara->setSatirYuksekligi(40);
        izgara->setAltBilgiGorunur(true);
        izgara->setTablo(&tablo);
        izgara->resize(1400, 800);
        izgara->show();
        QApplication::processEvents();
    }

    // What the user waits for: the view laid out and its visible rows painted.
    void ciz()
    {
        izgara->gorunum()->doItemsLayout();
        izgara->gorunum()->viewport()->repaint();
    }
};

Kurulum &kurulum()
{
    static Kurulum k;
    return k;
}

void bellek(benchmark::State &state)
{
    Kurulum &k = kurulum();
    state.counters["tablo_bayt"] = double(k.tablo.storageBytes());
    state.counters["esleme_bayt"] = double(k.izgara->eslemeBaytlari());
}

void BM_MetinSiralama(benchmark::State &state)
{
    Kurulum &k = kurulum();
    bool azalan = false;
    for (auto _ : state) {
        k.izgara->sirala(u"ADI", azalan ? Qt::DescendingOrder : Qt::AscendingOrder);
        k.ciz();
        azalan = !azalan;
    }
    bellek(state);
    k.izgara->siralamayiKaldir();
}
BENCHMARK(BM_MetinSiralama)->Unit(benchmark::kMillisecond);

void BM_SayiSiralama(benchmark::State &state)
{
    Kurulum &k = kurulum();
    bool azalan = false;
    for (auto _ : state) {
        k.izgara->sirala(u"NETFIYAT", azalan ? Qt::DescendingOrder : Qt::AscendingOrder);
        k.ciz();
        azalan = !azalan;
    }
    bellek(state);
    k.izgara->siralamayiKaldir();
}
BENCHMARK(BM_SayiSiralama)->Unit(benchmark::kMillisecond);

void BM_FiltreUygula(benchmark::State &state)
{
    Kurulum &k = kurulum();
    for (auto _ : state) {
        k.izgara->setSutunFiltresi(u"MARKA", { QStringLiteral("MARKA 7") });
        k.ciz();
        state.PauseTiming();
        k.izgara->filtreleriTemizle();
        state.ResumeTiming();
    }
    k.izgara->setSutunFiltresi(u"MARKA", { QStringLiteral("MARKA 7") });
    state.counters["satir"] = k.izgara->gorunenSatirSayisi();
    k.izgara->filtreleriTemizle();
}
BENCHMARK(BM_FiltreUygula)->Unit(benchmark::kMillisecond);

void BM_FiltreTemizle(benchmark::State &state)
{
    Kurulum &k = kurulum();
    for (auto _ : state) {
        state.PauseTiming();
        k.izgara->setSutunFiltresi(u"MARKA", { QStringLiteral("MARKA 7") });
        state.ResumeTiming();
        k.izgara->filtreleriTemizle();
        k.ciz();
    }
    state.counters["satir"] = k.izgara->gorunenSatirSayisi();
}
BENCHMARK(BM_FiltreTemizle)->Unit(benchmark::kMillisecond);

// A filter on a formatted number column compares display texts.
void BM_SayiFiltresi(benchmark::State &state)
{
    Kurulum &k = kurulum();
    const QString deger = k.tablo.displayText(5, k.tablo.columnIndex(u"NETFIYAT"));
    for (auto _ : state) {
        k.izgara->setSutunFiltresi(u"NETFIYAT", { deger });
        k.ciz();
        state.PauseTiming();
        k.izgara->filtreleriTemizle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SayiFiltresi)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
