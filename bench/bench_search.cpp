// StokAraGetir end to end over loopback against the 200,000-item demo
// catalogue: open (handshake), call, decode into the local table, money format
// pass, close — what one stock search costs the client. The baseline in the
// same run is the smallest whole operation (TeslimVer, a three-row answer).
#include "app/common/tablo.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"
#include "tests/support/serverprocess.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

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

void BM_StokAraGetir3Letters(benchmark::State &state)
{
    static const char *queries[] = {"FRE", "FIL", "AMO", "BAL", "YAG", "DEB", "RUL", "CON", "SET", "ARK"};
    Connection &c = connection();
    const TSonucBilgisi &s = session();
    std::vector<double> ms;
    double rows = 0;
    size_t i = 0;
    for (auto _ : state) {
        const QString q = QString::fromLatin1(queries[i++ % std::size(queries)]);
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
        rows += stok.rowCount();
    }
    report(state, ms);
    state.counters["rows_avg"] = rows / double(ms.size());
    if (!g_baselineMedian.empty())
        state.counters["ratio_to_baseline"] = percentile(ms, 0.5) / g_baselineMedian[0];
}

} // namespace

BENCHMARK(BM_TrivialOperation)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StokAraGetir3Letters)->Iterations(200)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    server(); // seeding is not part of any measurement
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
