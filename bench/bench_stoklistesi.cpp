// From Enter to the rows on screen for a search of about 20,000 rows on the
// 200,000-item demo catalogue, split into its three shares: the call (server
// work and transfer), decoding the packet into the local table, and the view
// (re-linking the stock grid and painting it). The decode share is measured on
// the same packet in the same run, so the call share is the remainder.
#include "app/common/tablo.h"
#include "catalogue/stoklistesi.h"
#include "platform/grid/izgara.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"
#include "tests/support/serverprocess.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

#include <boost/json.hpp>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

using Saat = std::chrono::steady_clock;
double ms(Saat::time_point a, Saat::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Ortam
{
    ServerProcess sunucu { 200000 };
    Connection bagc;
    TSonucBilgisi sbilgi;
    QString sorgu;
    int satir = 0;

    Ortam()
    {
        bagc.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        bagc.setParam(QStringLiteral("Port"), QString::number(sunucu.port()));
        bagc.open();
        {
            TServerMethods1Client proxy(&bagc);
            sbilgi.Kopyala(*proxy.BuyukGetir(QStringLiteral("DEMO-BAYI3")));
        }
        // The part word whose row count is nearest 20,000.
        for (const char *aday : { "FREN", "FILTRE", "YAG", "DISK", "POMPA", "CONTA", "RULMAN", "KAYIS", "AMORTISOR",
                                  "BALATA", "MOTOR", "SET", "DIZEL", "BENZIN", "ARKA", "SOL", "1.6", "2.0", "ON " }) {
            const int n = ara(QString::fromLatin1(aday))->rowCount();
            if (sorgu.isEmpty() || std::abs(n - 20000) < std::abs(satir - 20000)) {
                sorgu = QString::fromLatin1(aday);
                satir = n;
            }
        }
        bagc.close();
    }

    std::unique_ptr<ResultTable> ara(const QString &metin)
    {
        auto bilgi = std::make_unique<TSonucBilgisi>();
        bilgi->Kopyala(sbilgi);
        TServerMethods1Client proxy(&bagc);
        auto t = std::make_unique<ResultTable>();
        t->loadPacket(std::move(*proxy.StokAraGetir(metin, std::move(bilgi))));
        return t;
    }
};

Ortam &ortam()
{
    static Ortam o;
    return o;
}

void BM_AramadanGrideKadar(benchmark::State &state)
{
    Ortam &o = ortam();
    // The main window's pieces the stock list needs, offscreen.
    QWidget pencere;
    auto *araedit = new QLineEdit(&pencere);
    auto *ara = new QToolButton(&pencere);
    auto *temizle = new QToolButton(&pencere);
    auto *sekmeler = new QTabWidget(&pencere);
    auto *sayfa = new QWidget;
    sekmeler->addTab(sayfa, QStringLiteral("Stok Listesi"));
    sekmeler->setGeometry(0, 0, 1280, 700);
    pencere.resize(1280, 800);
    StokListesi liste(o.bagc, o.sbilgi, { araedit, ara, temizle, nullptr, sekmeler, sayfa });
    pencere.show();
    QApplication::processEvents();

    double cagri = 0, cozum = 0, gorunum = 0;
    for (auto _ : state) {
        liste.cxGrid1->baglantiyiKes();
        const auto t0 = Saat::now();
        o.bagc.open();
        auto t = o.ara(o.sorgu);
        o.bagc.close();
        const auto t1 = Saat::now();
        // The decode share: the same packet in its wire form decoded again.
        const std::string paket = boost::json::serialize(encodeTable(*t));
        const auto d0 = Saat::now();
        ResultTable yeniden = decodeTable(boost::json::parse(paket));
        const auto d1 = Saat::now();
        benchmark::DoNotOptimize(yeniden.rowCount());
        liste.stok.loadPacket(std::move(*t));
        OndalikBicimle(liste.stok);
        const auto g0 = Saat::now();
        liste.cxGrid1->baglantiyiKur();
        liste.cxGrid1->gorunum()->viewport()->repaint();
        const auto g1 = Saat::now();
        cagri += ms(t0, t1) - ms(d0, d1);
        cozum += ms(d0, d1);
        gorunum += ms(g0, g1);
    }
    const double n = double(state.iterations());
    state.counters["rows"] = o.satir;
    state.counters["call_ms"] = cagri / n;
    state.counters["decode_ms"] = cozum / n;
    state.counters["view_ms"] = gorunum / n;
    state.counters["view_share_pct"] = 100.0 * gorunum / (cagri + cozum + gorunum);
    state.counters["table_MB"] = double(liste.stok.storageBytes()) / 1e6;
    state.counters["grid_extra_kB"] = double(liste.cxGrid1->eslemeBaytlari()) / 1e3;
    state.SetLabel(o.sorgu.toStdString());
}
BENCHMARK(BM_AramadanGrideKadar)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
