#pragma once
// The wholesaler's web pages the client opens: the request form for an
// unregistered workstation, the new-version setup file and the stock pictures.

#include <optional>
#include <string>

namespace httplib {
class Server;
}

namespace appserver {

class Storage;

void webSayfalariniKur(httplib::Server &web, Storage &storage);

// Escapes the five HTML special characters.
std::string htmlKacis(const std::string &metin);
// The stand-in setup program served under /exe/ (deterministic bytes).
const std::string &kurulumDosyasi();
// A stock number as the picture page takes it: decimal digits only, within
// int32; nothing otherwise.
std::optional<int> stokNumarasi(const std::string &metin);

} // namespace appserver
