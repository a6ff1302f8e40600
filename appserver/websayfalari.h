#pragma once
// The wholesaler's web pages the client opens: the request form for an
// unregistered workstation and the new-version setup file.

#include <string>

namespace httplib {
class Server;
}

namespace appserver {

void webSayfalariniKur(httplib::Server &web);

// Escapes the five HTML special characters.
std::string htmlKacis(const std::string &metin);
// The stand-in setup program served under /exe/ (deterministic bytes).
const std::string &kurulumDosyasi();

} // namespace appserver
