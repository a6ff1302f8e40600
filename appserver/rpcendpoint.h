#pragma once
// The HTTP side of the remote-method protocol: handshake, calls, error replies.

#include <cstddef>

namespace httplib {
class Server;
}

namespace appserver {

class SessionStore;
class Storage;
class YontemKatalogu;
struct ServerOptions;

inline constexpr std::size_t istekSiniri = 8 * 1024 * 1024; // request bodies above this are refused

void rpcUclariniKur(httplib::Server &http, const YontemKatalogu &katalog, Storage &storage, SessionStore &sessions,
                    const ServerOptions &options);

} // namespace appserver
