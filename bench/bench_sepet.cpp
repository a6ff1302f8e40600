// The basket page over a basket of 300 lines on the loopback server: the
// reload with its totals, "Hepsini Seç" (one tick call per line, each on a
// new connection), and one tick call alone, to see where the time of the
// latter goes.
#include "app/common/baglantikontrol.h"
#include "catalogue/sepetsayfasi.h"
#include "platform/grid/izgara.h"
#include "server/connection.h"
#include "server/tservermethods1client.h"
#include "tests/support/serverprocess.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <set>

namespace {

constexpr int satirSayisi = 300;

struct Ortam
{
    ServerProcess sunucu { 20000 };
    Connection bagc;
    TSonucBilgisi sbilgi;
    ResultTable sepet;
    QTabWidget sekmeler;
    QWidget *sayfa = new QWidget;
    QLineEdit araedit;
    std::unique_ptr<SepetSayfasi> sepetSayfasi;

    Ortam()
    {
        bagc.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        bagc.setParam(QStringLiteral("Port"), QString::number(sunucu.port()));
        bagc.open();
        {
            TServerMethods1Client p(&bagc);
            sbilgi.Kopyala(*p.BuyukGetir(QStringLiteral("DEMO-BAYI3")));
            auto kopya = [this] {
                auto k = std::make_unique<TSonucBilgisi>();
                k->Kopyala(sbilgi);
                return k;
            };
            p.SepetHepsiniSil(kopya());
            std::set<qint64> stoklar;
            for (const char *kelime : { "FREN", "FILTRE", "YAG", "DISK", "POMPA", "CONTA", "RULMAN", "KAYIS" }) {
                ResultTable *t = p.StokAraGetir(QString::fromLatin1(kelime), kopya());
                const int c = t->columnIndex(u"STOK_STOKNO");
                for (int r = 0; r < t->rowCount() && int(stoklar.size()) < satirSayisi; ++r)
                    if (stoklar.insert(t->asInt(r, c)).second)
                        p.SepetEkle2(kopya(), sbilgi.FCARINO, qint32(t->asInt(r, c)), {}, {}, 2, 0, 0, 0,
                                     sbilgi.FSirano, 0, 0, 0, 0);
                if (int(stoklar.size()) >= satirSayisi)
                    break;
            }
        }
        bagc.close();
        sekmeler.addTab(sayfa, QStringLiteral("Sepet"));
        sekmeler.resize(1280, 700);
        sepetSayfasi = std::make_unique<SepetSayfasi>(bagc, sbilgi, sepet,
                                                      SepetSayfasi::Denetimler { &araedit, &sekmeler, sayfa });
        sekmeler.show();
        sepetSayfasi->SepetYenile();
    }
    ~Ortam() { sepetSayfasi->cxGrid2->setTablo(nullptr); }
};

std::unique_ptr<Ortam> &ortamYeri()
{
    static std::unique_ptr<Ortam> o;
    return o;
}

Ortam &ortam()
{
    if (!ortamYeri())
        ortamYeri() = std::make_unique<Ortam>();
    return *ortamYeri();
}

void BM_SepetYenile(benchmark::State &state)
{
    Ortam &o = ortam();
    for (auto _ : state) {
        if (!o.sepetSayfasi->SepetYenile())
            state.SkipWithError("reload failed");
        QCoreApplication::processEvents();
    }
    state.counters["satir"] = o.sepet.rowCount();
}
BENCHMARK(BM_SepetYenile)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_HepsiniSec(benchmark::State &state)
{
    Ortam &o = ortam();
    for (auto _ : state) {
        state.PauseTiming();
        o.sepetSayfasi->SecimleriKaldir();
        state.ResumeTiming();
        o.sepetSayfasi->HepsiniSec();
        QCoreApplication::processEvents();
    }
    state.counters["satir"] = o.sepet.rowCount();
    state.counters["genelToplam"] = SepetToplamiHesapla(o.sepet).genelToplam;
}
BENCHMARK(BM_HepsiniSec)->Unit(benchmark::kMillisecond)->Iterations(5);

// One tick as the page sends it: a clone, the connection check, the call, the close.
void BM_TekSecim(benchmark::State &state)
{
    Ortam &o = ortam();
    const qint32 sirano = qint32(o.sepet.asInt(0, o.sepet.columnIndex(u"SIRANO")));
    for (auto _ : state) {
        auto c = o.bagc.clone();
        BaglantiKontrol(*c, false);
        {
            TServerMethods1Client p(c.get());
            p.SepetSecimGuncelle(sirano, 1);
        }
        c->close();
    }
}
BENCHMARK(BM_TekSecim)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// The connection alone, to split the tick into opening and calling.
void BM_BaglantiAcKapa(benchmark::State &state)
{
    Ortam &o = ortam();
    for (auto _ : state) {
        auto c = o.bagc.clone();
        BaglantiKontrol(*c, false);
        c->close();
    }
}
BENCHMARK(BM_BaglantiAcKapa)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ortamYeri().reset(); // the widgets go while the application still exists
    benchmark::Shutdown();
    return 0;
}
