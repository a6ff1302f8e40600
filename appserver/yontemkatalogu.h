#pragma once
// The server methods: one table of name → parameters (wire order, in/out, kind)
// → result kind → handler. A call is checked against its row before the handler
// runs; a known method without a handler answers "henüz desteklenmiyor".

#include "server/records/baglantiu.h"

#include <boost/json/value.hpp>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace appserver {

class Storage;
struct ServerOptions;

enum class Tur { Metin, Int32, Int64, Double, Bool, Kayit, Tablo, Akim, Json, Yok };

struct Parametre
{
    std::string ad;
    Tur tur = Tur::Metin;
    bool cikis = false; // out parameter: arrives as null
};

// The values of a reply, written in order: out parameters, then the result.
class Yanit
{
public:
    void ham(std::string_view json); // already JSON (a table)
    void tamsayi(long long v);
    void metin(std::string_view s);
    void mantik(bool b);
    void kayit(const boost::json::object &o);
    void akim(std::string_view bytes); // base64
    // The reply body; the values are moved out.
    std::string govde();

private:
    void ayir();
    std::string m_degerler = "{\"values\":[";
    bool m_bos = true;
};

// One call's checked arguments and what its handler may use.
class Cagri
{
public:
    Cagri(const std::vector<Parametre> &imza, const boost::json::array &args, Storage &s, const ServerOptions &o);

    const std::string &metin(int i) const;
    int int32(int i) const;
    double sayi(int i) const;
    bool mantik(int i) const;
    const TSonucBilgisi *kayit(int i) const; // null when sent as null

    Storage &storage;
    const ServerOptions &options;

private:
    std::vector<std::string> m_metin;
    std::vector<double> m_sayi;
    std::vector<std::unique_ptr<TSonucBilgisi>> m_kayit;
};

using Isleyici = std::function<void(Cagri &, Yanit &)>;

class YontemKatalogu
{
public:
    YontemKatalogu(); // every method of the catalogue, none implemented

    // Attaches the handler of a catalogued method; throws for an unknown name.
    void uygula(const std::string &ad, Isleyici isleyici);
    bool bilinir(std::string_view ad) const;

    // The reply body of one call; throws RpcError.
    std::string cagir(const boost::json::value &command, const boost::json::value &params, Storage &s,
                      const ServerOptions &o) const;

private:
    struct Yontem
    {
        std::vector<Parametre> parametreler;
        Tur sonuc = Tur::Yok;
        bool imzali = false; // parameters known; the never-called methods have none
        Isleyici isleyici;
    };
    std::map<std::string, Yontem, std::less<>> m_yontemler;
};

} // namespace appserver
