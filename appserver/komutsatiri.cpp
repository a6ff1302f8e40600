#include "appserver/komutsatiri.h"

#include "appserver/demoveri.h"
#include "appserver/server.h"
#include "appserver/sqlitestorage.h"

#include <algorithm>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace appserver {
namespace {

constexpr const char *kullanim = R"(Kullanım:
  tarnevooto-server [serve] [--db FILE] [--address 127.0.0.1] [--port 9090] [--web-port 8080]
                    [--client-version 6] [--threads N]
  tarnevooto-server seed [--db FILE] [--items 200000] [--seed N]
  tarnevooto-server register MACHINEID USER [--db FILE]

serve     remote methods on --port, web pages on --web-port (0: any free port); prints
          "listening ADDRESS PORT WEBPORT" once both listen. A missing database is seeded first.
seed      replaces FILE with deterministic demo data.
register  registers the workstation MACHINEID to the user named USER.
The database defaults to tarnevooto.db.
)";

struct Hata
{
    std::string mesaj;
};

struct Arguman
{
    std::vector<std::string> konumlu;
    std::map<std::string, std::string> secenekler;
};

Arguman ayristir(int argc, char **argv, const std::vector<std::string> &izinli)
{
    Arguman a;
    for (int i = 0; i < argc; ++i) {
        const std::string s = argv[i];
        if (s.rfind("--", 0) != 0) {
            a.konumlu.push_back(s);
            continue;
        }
        if (std::find(izinli.begin(), izinli.end(), s) == izinli.end())
            throw Hata { "bilinmeyen seçenek: " + s };
        if (i + 1 >= argc)
            throw Hata { s + " için değer eksik" };
        a.secenekler[s] = argv[++i];
    }
    return a;
}

int sayi(const Arguman &a, const std::string &ad, int varsayilan, int enAz, int enCok)
{
    const auto it = a.secenekler.find(ad);
    if (it == a.secenekler.end())
        return varsayilan;
    int v = 0;
    const auto &s = it->second;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || v < enAz || v > enCok)
        throw Hata { ad + " için geçersiz değer: " + s };
    return v;
}

std::string metin(const Arguman &a, const std::string &ad, const std::string &varsayilan)
{
    const auto it = a.secenekler.find(ad);
    return it == a.secenekler.end() ? varsayilan : it->second;
}

int serve(int argc, char **argv)
{
    const Arguman a
        = ayristir(argc, argv, { "--db", "--address", "--port", "--web-port", "--client-version", "--threads" });
    if (!a.konumlu.empty())
        throw Hata { "beklenmeyen argüman: " + a.konumlu.front() };
    ServerOptions o;
    o.database = metin(a, "--db", o.database);
    o.address = metin(a, "--address", o.address);
    o.port = sayi(a, "--port", o.port, 0, 65535);
    o.webPort = sayi(a, "--web-port", o.webPort, 0, 65535);
    o.clientVersion = sayi(a, "--client-version", o.clientVersion, 0, 1000000);
    o.threads = sayi(a, "--threads", o.threads, 1, 256);
    if (!std::filesystem::exists(o.database)) {
        std::cerr << "Veritabanı yok, demo verisi kuruluyor: " << o.database << std::endl;
        SeedOptions s;
        s.database = o.database;
        demoVeriKur(s);
    }
    // Signals go to this thread only: block them before the server threads start.
    sigset_t sinyaller;
    sigemptyset(&sinyaller);
    sigaddset(&sinyaller, SIGINT);
    sigaddset(&sinyaller, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sinyaller, nullptr);
    Server server;
    server.start(o);
    std::cout << "listening " << o.address << ' ' << server.port() << ' ' << server.webPort() << std::endl;
    int sinyal = 0;
    sigwait(&sinyaller, &sinyal);
    server.stop();
    return 0;
}

int seed(int argc, char **argv)
{
    const Arguman a = ayristir(argc, argv, { "--db", "--items", "--seed" });
    if (!a.konumlu.empty())
        throw Hata { "beklenmeyen argüman: " + a.konumlu.front() };
    SeedOptions s;
    s.database = metin(a, "--db", s.database);
    s.items = sayi(a, "--items", s.items, 1, 5000000);
    s.seed = unsigned(sayi(a, "--seed", int(s.seed), 0, 2147483647));
    demoVeriKur(s);
    std::cout << s.items << " stok kalemiyle demo veritabanı kuruldu: " << s.database << std::endl;
    return 0;
}

int kaydet(int argc, char **argv)
{
    const Arguman a = ayristir(argc, argv, { "--db" });
    if (a.konumlu.size() != 2)
        throw Hata { "register için MACHINEID ve USER gerekli" };
    const std::string db = metin(a, "--db", "tarnevooto.db");
    if (!std::filesystem::exists(db)) {
        std::cerr << "Veritabanı bulunamadı: " << db << std::endl;
        return 1;
    }
    SqliteStorage s(db, 1);
    if (!s.istasyonKaydet(a.konumlu[0], a.konumlu[1])) {
        std::cerr << "Kullanıcı bulunamadı: " << a.konumlu[1] << std::endl;
        return 1;
    }
    std::cout << a.konumlu[0] << " -> " << a.konumlu[1] << std::endl;
    return 0;
}

} // namespace

int komutSatiri(int argc, char **argv)
{
    std::string komut = argc > 1 ? argv[1] : "serve";
    int ilk = 2;
    if (komut.rfind("--", 0) == 0) {
        komut = "serve";
        ilk = 1;
    }
    if (argc <= 1)
        ilk = 1;
    try {
        if (komut == "help" || komut == "-h" || komut == "--help") {
            std::cout << kullanim;
            return 0;
        }
        if (komut == "serve")
            return serve(argc - ilk, argv + ilk);
        if (komut == "seed")
            return seed(argc - ilk, argv + ilk);
        if (komut == "register")
            return kaydet(argc - ilk, argv + ilk);
        throw Hata { "bilinmeyen komut: " + komut };
    } catch (const Hata &h) {
        std::cerr << "tarnevooto-server: " << h.mesaj << "\n\n" << kullanim;
        return 2;
    } catch (const std::exception &e) {
        std::cerr << "tarnevooto-server: " << e.what() << std::endl;
        return 1;
    }
}

} // namespace appserver
