#pragma once
// The reference application server in one object: the remote-method port and the
// web port, both on cpp-httplib thread pools, over one SQLite database.
//
//   appserver::Server s;
//   s.start(options);           // binds, serves on background threads
//   ... s.port(), s.webPort() ...
//   s.stop();

#include "appserver/serveroptions.h"

#include <memory>

namespace appserver {

class YontemKatalogu;

class Server
{
public:
    Server();
    ~Server();
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

    // Throws std::runtime_error when the database cannot be opened or a port cannot be bound.
    void start(const ServerOptions &options);
    void stop();
    int port() const;
    int webPort() const;
    // The method table, for handlers added later.
    YontemKatalogu &katalog();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace appserver
