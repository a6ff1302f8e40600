#pragma once
// Everything the reference server can be told at start.

#include <chrono>
#include <string>

namespace appserver {

struct ServerOptions
{
    std::string database = "tarnevooto.db";
    std::string address = "127.0.0.1";
    int port = 9090; // 0: any free port
    int webPort = 8080; // 0: any free port
    int clientVersion = 6;
    int threads = 8;
    int keepAliveSeconds = 2; // short, because stopping waits for idle keep-alive connections
    std::chrono::milliseconds sessionIdle = std::chrono::minutes(30);
    size_t sessionCap = 10000;
};

} // namespace appserver
