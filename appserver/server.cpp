#include "appserver/server.h"

#include "appserver/rpcendpoint.h"
#include "appserver/sessionstore.h"
#include "appserver/siparisyolu.h"
#include "appserver/sqlitestorage.h"
#include "appserver/websayfalari.h"
#include "appserver/yontemkatalogu.h"

#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace appserver {

struct Server::Impl
{
    ServerOptions options;
    YontemKatalogu katalog;
    std::unique_ptr<SqliteStorage> storage;
    std::unique_ptr<SessionStore> sessions;
    httplib::Server rpc;
    httplib::Server web;
    std::thread rpcThread, webThread;
    int port = -1, webPort = -1;
};

namespace {

int bagla(httplib::Server &s, const std::string &adres, int port)
{
    if (port == 0)
        return s.bind_to_any_port(adres);
    return s.bind_to_port(adres, port) ? port : -1;
}

void hazirBekle(httplib::Server &s)
{
    for (int i = 0; i < 500 && !s.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!s.is_running())
        throw std::runtime_error("sunucu dinlemeye başlamadı");
}

} // namespace

Server::Server()
    : d(std::make_unique<Impl>())
{
    girisYontemleri(d->katalog);
    sepetYontemleri(d->katalog);
}

Server::~Server()
{
    stop();
}

void Server::start(const ServerOptions &options)
{
    if (d->rpcThread.joinable())
        throw std::logic_error("sunucu zaten çalışıyor");
    d->options = options;
    if (!std::filesystem::exists(options.database))
        throw std::runtime_error("Veritabanı bulunamadı: " + options.database);
    const int threads = options.threads > 0 ? options.threads : 1;
    d->storage = std::make_unique<SqliteStorage>(options.database, size_t(threads) + 1);
    d->sessions = std::make_unique<SessionStore>(options.sessionIdle, options.sessionCap);

    d->rpc.new_task_queue = [threads] { return new httplib::ThreadPool(size_t(threads)); };
    d->rpc.set_keep_alive_timeout(options.keepAliveSeconds);
    d->rpc.set_read_timeout(60);
    d->rpc.set_write_timeout(60);
    // Small replies must not wait for the peer's delayed acknowledgement.
    d->rpc.set_tcp_nodelay(true);
    rpcUclariniKur(d->rpc, d->katalog, *d->storage, *d->sessions, d->options);

    d->web.new_task_queue = [] { return new httplib::ThreadPool(2); };
    d->web.set_keep_alive_timeout(options.keepAliveSeconds);
    d->web.set_tcp_nodelay(true);
    d->web.Get("/ip.php", [](const httplib::Request &req, httplib::Response &res) {
        res.set_content(req.remote_addr, "text/plain");
    });
    webSayfalariniKur(d->web, *d->storage);

    d->port = bagla(d->rpc, options.address, options.port);
    if (d->port < 0)
        throw std::runtime_error("Bağlantı noktası açılamadı: " + options.address + ":" + std::to_string(options.port));
    d->webPort = bagla(d->web, options.address, options.webPort);
    if (d->webPort < 0) {
        d->rpc.stop(); // releases the bound socket
        throw std::runtime_error("Web bağlantı noktası açılamadı: " + options.address + ":"
                                 + std::to_string(options.webPort));
    }
    d->rpcThread = std::thread([this] { d->rpc.listen_after_bind(); });
    d->webThread = std::thread([this] { d->web.listen_after_bind(); });
    hazirBekle(d->rpc);
    hazirBekle(d->web);
}

void Server::stop()
{
    if (d->rpcThread.joinable()) {
        d->rpc.stop();
        d->rpcThread.join();
    }
    if (d->webThread.joinable()) {
        d->web.stop();
        d->webThread.join();
    }
}

int Server::port() const
{
    return d->port;
}

int Server::webPort() const
{
    return d->webPort;
}

YontemKatalogu &Server::katalog()
{
    return d->katalog;
}

} // namespace appserver
