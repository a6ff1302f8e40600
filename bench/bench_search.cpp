// StokAraGetir end to end over loopback against the 200,000-item demo
// catalogue: open (handshake), call, decode into the local table, money format
// pass, close — what one stock search costs the client. The baseline in the
// same run is the smallest whole operation (TeslimVer, a three-row answer).
// Two sets of queries: three letters of the catalogue's own texts (what users
// type), and words many part kinds share (the heavy end).
#include "app/common/tablo.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"
#include "tests/support/serverprocess.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

ServerProcess &server()
{
    static ServerProcess s(200000);
    return s;
}

Connection &connection()
{
    static Connection c;
    static bool ready = false;
    if (!ready) {
        c.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        c.setParam(QStringLiteral("Port"), QString::number(server().port()));
        ready = true;
    }
    return c;
}

TSonucBilgisi &session()
{
    static TSonucBilgisi s;
    static bool ready = false;
    if (!ready) {
        connection().open();
        TServerMethods1Client proxy(&connection());
        if (TSonucBilgisi *b = proxy.BuyukGetir(QStringLiteral("DEMO-BAYI3")))
            s.Kopyala(*b);
        connection().close();
        ready = true;
    }
    return s;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

void report(benchmark::State &state, const std::vector<double> &ms)
{
    state.counters["median_ms"] = percentile(ms, 0.5);
    state.counters["p99_ms"] = percentile(ms, 0.99);
}

std::vector<double> g_baselineMedian;

void BM_TrivialOperation(benchmark::State &state)
{
    Connection &c = connection();
    std::vector<double> ms;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        c.open();
        {
            TServerMethods1Client proxy(&c);
            ResultTable local;
            local.loadPacket(std::move(*proxy.TeslimVer()));
            benchmark::DoNotOptimize(local.rowCount());
        }
        c.close();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    report(state, ms);
    g_baselineMedian = {percentile(ms, 0.5)};
}

// What a user types: three letters of a code, barcode number, name or OEM
// number of some item, taken deterministically from the demo catalogue.
std::vector<QString> catalogueQueries(size_t count)
{
    std::vector<QString> q;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(server().database().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return q;
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "SELECT arama FROM stok WHERE stokno = ?1", -1, &st, nullptr);
    for (qint64 i = 1; q.size() < count && i < 100000; ++i) {
        sqlite3_reset(st);
        sqlite3_bind_int64(st, 1, 1 + (i * 7919) % 200000);
        if (sqlite3_step(st) != SQLITE_ROW)
            continue;
        const QString text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
        const QStringList fields = text.split(QChar(0x1f), Qt::SkipEmptyParts);
        const QString field = fields.value(int(i % fields.size()));
        if (field.size() < 3)
            continue;
        const QString three = field.mid(int((i * 31) % (field.size() - 2)), 3);
        if (three.contains(QLatin1Char(' ')))
            continue;
        q.push_back(three);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return q;
}

// Words that many part kinds share: the heavy end of three-letter queries.
std::vector<QString> commonWordQueries()
{
    std::vector<QString> q;
    for (const char *w : {"FRE", "FIL", "AMO", "BAL", "YAG", "DEB", "RUL", "CON", "SET", "ARK"})
        q.push_back(QString::fromLatin1(w));
    return q;
}

void searchLoop(benchmark::State &state, const std::vector<QString> &queries)
{
    Connection &c = connection();
    const TSonucBilgisi &s = session();
    std::vector<double> ms;
    std::vector<double> rows;
    size_t i = 0;
    for (auto _ : state) {
        const QString &q = queries[i++ % queries.size()];
        const auto t0 = std::chrono::steady_clock::now();
        c.open();
        ResultTable stok;
        {
            TServerMethods1Client proxy(&c);
            auto copy = std::make_unique<TSonucBilgisi>();
            copy->Kopyala(s);
            stok.loadPacket(std::move(*proxy.StokAraGetir(q, std::move(copy))));
        }
        c.close();
        OndalikBicimle(stok);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        rows.push_back(stok.rowCount());
    }
    report(state, ms);
    state.counters["rows_median"] = percentile(rows, 0.5);
    state.counters["rows_max"] = percentile(rows, 1.0);
    if (!g_baselineMedian.empty())
        state.counters["ratio_to_baseline"] = percentile(ms, 0.5) / g_baselineMedian[0];
}

void BM_StokAraGetir3LettersOfCatalogue(benchmark::State &state)
{
    static const std::vector<QString> queries = catalogueQueries(100);
    searchLoop(state, queries);
}

void BM_StokAraGetir3LettersCommonWords(benchmark::State &state)
{
    searchLoop(state, commonWordQueries());
}

} // namespace

BENCHMARK(BM_TrivialOperation)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StokAraGetir3LettersOfCatalogue)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StokAraGetir3LettersCommonWords)->Iterations(100)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    server(); // seeding is not part of any measurement
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
