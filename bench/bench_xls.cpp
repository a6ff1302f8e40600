// The spreadsheet export: 50,000 rows x 30 columns (20 numbers, 10 texts from a
// small pool plus distinct codes) built and saved; baseline: the same cells as
// CSV text through QTextStream, in the same run.
#include "platform/xls/xlskitap.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSatir = 50000;
constexpr int kSayi = 20;
constexpr int kMetin = 10;

const QStringList &havuz()
{
    static const QStringList h
        = { QStringLiteral("Yağ filtresi"),  QStringLiteral("Fren balatası"), QStringLiteral("Şanzıman yağı"),
            QStringLiteral("Buji"),          QStringLiteral("Amortisör"),     QStringLiteral("Hava filtresi"),
            QStringLiteral("Debriyaj seti"), QStringLiteral("Radyatör") };
    return h;
}

double deger(int r, int c)
{
    return (c % 3 == 0) ? double(r * 7 + c) : (r * 1.37 + c * 0.01);
}

QString metin(int r, int c)
{
    return c % 2 ? havuz().at((r + c) % havuz().size()) : QStringLiteral("KOD-%1-%2").arg(r).arg(c);
}

void BM_XlsKaydet(benchmark::State &state)
{
    QTemporaryDir dizin;
    const QString yol = dizin.filePath(QStringLiteral("b.xls"));
    QStringList basliklar;
    for (int c = 0; c < kSayi + kMetin; ++c)
        basliklar << QStringLiteral("SUTUN%1").arg(c);
    for (auto _ : state) {
        XlsKitap k;
        k.setSutunlar(basliklar);
        const int para = k.bicimEkle({ QStringLiteral("#,###,##0.00") });
        for (int r = 0; r < kSatir; ++r) {
            k.satirEkle();
            for (int c = 0; c < kSayi; ++c)
                k.sayi(c, deger(r, c), c % 3 ? para : -1);
            for (int c = 0; c < kMetin; ++c)
                k.metin(kSayi + c, metin(r, c));
        }
        k.kaydet(yol);
    }
    state.counters["bytes"] = double(QFileInfo(yol).size());
}
BENCHMARK(BM_XlsKaydet)->Unit(benchmark::kMillisecond);

void BM_CsvBaseline(benchmark::State &state)
{
    QTemporaryDir dizin;
    const QString yol = dizin.filePath(QStringLiteral("b.csv"));
    for (auto _ : state) {
        QFile f(yol);
        f.open(QIODevice::WriteOnly);
        QTextStream s(&f);
        for (int c = 0; c < kSayi + kMetin; ++c)
            s << "SUTUN" << c << (c + 1 < kSayi + kMetin ? ',' : '\n');
        for (int r = 0; r < kSatir; ++r) {
            for (int c = 0; c < kSayi; ++c)
                s << deger(r, c) << ',';
            for (int c = 0; c < kMetin; ++c)
                s << metin(r, c) << (c + 1 < kMetin ? ',' : '\n');
        }
    }
    state.counters["bytes"] = double(QFileInfo(yol).size());
}
BENCHMARK(BM_CsvBaseline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
