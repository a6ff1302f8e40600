#pragma once
// A failed call as the protocol reports it: an HTTP status, an error class, a text.

#include <stdexcept>
#include <string>

namespace appserver {

class RpcError : public std::runtime_error
{
public:
    RpcError(int status, std::string errorClass, const std::string &message)
        : std::runtime_error(message)
        , m_status(status)
        , m_class(std::move(errorClass))
    { }

    int status() const { return m_status; }
    const std::string &errorClass() const { return m_class; }

    static RpcError protocol(const std::string &m) { return RpcError(400, "EProtocolError", m); }
    static RpcError session(const std::string &m) { return RpcError(401, "ESessionError", m); }
    static RpcError notFound(const std::string &m) { return RpcError(404, "EMethodNotFound", m); }
    static RpcError server(const std::string &m) { return RpcError(500, "EServerError", m); }

private:
    int m_status;
    std::string m_class;
};

} // namespace appserver
