#include "appserver/yontemkatalogu.h"

#include "appserver/jsonout.h"
#include "appserver/katalogverisi.h"
#include "appserver/rpcerror.h"

#include "server/records/kayitjson.h"

#include <QByteArray>

#include <boost/json/serialize.hpp>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace json = boost::json;

namespace appserver {
namespace {

Tur turAdi(std::string_view s)
{
    static const std::pair<std::string_view, Tur> turler[] = {
        { "text", Tur::Metin },  { "int32", Tur::Int32 },  { "int64", Tur::Int64 }, { "double", Tur::Double },
        { "bool", Tur::Bool },   { "record", Tur::Kayit }, { "rows", Tur::Tablo },  { "packet", Tur::Tablo },
        { "stream", Tur::Akim }, { "json", Tur::Json },    { "none", Tur::Yok },
    };
    for (const auto &[ad, tur] : turler)
        if (ad == s)
            return tur;
    throw std::logic_error("katalogda bilinmeyen tür: " + std::string(s));
}

std::vector<std::string_view> bol(std::string_view s, char ayrac)
{
    std::vector<std::string_view> parcalar;
    size_t bas = 0;
    for (size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == ayrac) {
            parcalar.push_back(s.substr(bas, i - bas));
            bas = i + 1;
        }
    return parcalar;
}

const char *turMetni(Tur t)
{
    switch (t) {
    case Tur::Metin:
        return "metin";
    case Tur::Int32:
        return "32 bitlik tamsayı";
    case Tur::Int64:
        return "64 bitlik tamsayı";
    case Tur::Double:
        return "sayı";
    case Tur::Bool:
        return "true ya da false";
    case Tur::Kayit:
        return "TSonucBilgisi kaydı ya da null";
    default:
        return "desteklenen bir değer";
    }
}

// An integral value within [lo, hi], as JSON may carry it.
bool tamsayiMi(const json::value &v, double lo, double hi, double &out)
{
    if (v.is_int64())
        out = double(v.get_int64());
    else if (v.is_uint64())
        out = double(v.get_uint64());
    else if (v.is_double() && v.get_double() == std::trunc(v.get_double()))
        out = v.get_double();
    else
        return false;
    return out >= lo && out <= hi;
}

} // namespace

void Yanit::ayir()
{
    if (!m_bos)
        m_degerler.push_back(',');
    m_bos = false;
}

std::string Yanit::govde()
{
    m_degerler.append("]}");
    return std::move(m_degerler);
}

void Yanit::ham(std::string_view j)
{
    ayir();
    m_degerler.append(j);
}

void Yanit::tamsayi(long long v)
{
    ayir();
    jsonout::integer(m_degerler, v);
}

void Yanit::metin(std::string_view s)
{
    ayir();
    jsonout::string(m_degerler, s);
}

void Yanit::mantik(bool b)
{
    ayir();
    m_degerler.append(b ? "true" : "false");
}

void Yanit::kayit(const json::object &o)
{
    ayir();
    m_degerler.append(json::serialize(o));
}

void Yanit::akim(std::string_view bytes)
{
    ayir();
    const QByteArray b64 = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())).toBase64();
    m_degerler.push_back('"');
    m_degerler.append(b64.constData(), size_t(b64.size()));
    m_degerler.push_back('"');
}

Cagri::Cagri(const std::vector<Parametre> &imza, const json::array &args, Storage &s, const ServerOptions &o)
    : storage(s)
    , options(o)
    , m_metin(imza.size())
    , m_sayi(imza.size())
    , m_kayit(imza.size())
{
    for (size_t i = 0; i < imza.size(); ++i) {
        const Parametre &p = imza[i];
        const json::value &v = args[i];
        const std::string yer = "Parametre " + std::to_string(i) + " (" + p.ad + ")";
        if (p.cikis) {
            if (!v.is_null())
                throw RpcError::protocol(yer + " bir çıkış parametresidir, null gönderilmelidir");
            continue;
        }
        bool uygun = true;
        switch (p.tur) {
        case Tur::Metin:
            uygun = v.is_string();
            if (uygun)
                m_metin[i] = std::string(v.get_string());
            break;
        case Tur::Int32:
            uygun = tamsayiMi(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), m_sayi[i]);
            break;
        case Tur::Int64:
            uygun = tamsayiMi(v, -9007199254740992.0, 9007199254740992.0, m_sayi[i]);
            break;
        case Tur::Double:
            uygun = v.is_number();
            if (uygun)
                m_sayi[i] = v.to_number<double>();
            break;
        case Tur::Bool:
            uygun = v.is_bool();
            if (uygun)
                m_sayi[i] = v.get_bool() ? 1 : 0;
            break;
        case Tur::Kayit:
            uygun = v.is_null() || v.is_object();
            if (uygun) {
                try {
                    m_kayit[i] = kayit::oku<TSonucBilgisi>(v);
                } catch (const kayit::KayitHatasi &e) {
                    throw RpcError::protocol(yer + ": " + e.what());
                }
            }
            break;
        default:
            uygun = false;
        }
        if (!uygun)
            throw RpcError::protocol(yer + " " + turMetni(p.tur) + " olmalıdır");
    }
}

const std::string &Cagri::metin(int i) const
{
    return m_metin.at(size_t(i));
}

int Cagri::int32(int i) const
{
    return int(m_sayi.at(size_t(i)));
}

double Cagri::sayi(int i) const
{
    return m_sayi.at(size_t(i));
}

bool Cagri::mantik(int i) const
{
    return m_sayi.at(size_t(i)) != 0;
}

const TSonucBilgisi *Cagri::kayit(int i) const
{
    return m_kayit.at(size_t(i)).get();
}

YontemKatalogu::YontemKatalogu()
{
    for (const char *satir : katalogSatirlari()) {
        const auto alanlar = bol(satir, '|');
        if (alanlar.size() != 3)
            throw std::logic_error(std::string("bozuk katalog satırı: ") + satir);
        Yontem y;
        y.imzali = true;
        y.sonuc = turAdi(alanlar[2]);
        if (!alanlar[1].empty()) {
            for (std::string_view p : bol(alanlar[1], ',')) {
                Parametre par;
                if (p.substr(0, 4) == "out ") {
                    par.cikis = true;
                    p.remove_prefix(4);
                }
                const size_t iki = p.find(':');
                par.ad = std::string(p.substr(0, iki));
                par.tur = turAdi(p.substr(iki + 1));
                y.parametreler.push_back(std::move(par));
            }
        }
        m_yontemler.emplace(std::string(alanlar[0]), std::move(y));
    }
    for (const char *ad : imzasizYontemler())
        m_yontemler.emplace(ad, Yontem {});
}

void YontemKatalogu::uygula(const std::string &ad, Isleyici isleyici)
{
    const auto it = m_yontemler.find(ad);
    if (it == m_yontemler.end())
        throw std::logic_error("katalogda olmayan yöntem: " + ad);
    it->second.isleyici = std::move(isleyici);
}

bool YontemKatalogu::bilinir(std::string_view ad) const
{
    return m_yontemler.find(ad) != m_yontemler.end();
}

std::string YontemKatalogu::cagir(const json::value &command, const json::value &params, Storage &s,
                                  const ServerOptions &o) const
{
    if (!command.is_string())
        throw RpcError::protocol("\"command\" alanı eksik ya da metin değil");
    if (!params.is_array())
        throw RpcError::protocol("\"params\" alanı eksik ya da dizi değil");
    constexpr std::string_view onek = "TServerMethods1.";
    const std::string_view komut = command.get_string();
    const auto it
        = komut.substr(0, onek.size()) == onek ? m_yontemler.find(komut.substr(onek.size())) : m_yontemler.end();
    if (it == m_yontemler.end())
        throw RpcError::notFound("Bilinmeyen komut: " + std::string(komut));
    const std::string &ad = it->first;
    const Yontem &y = it->second;
    if (!y.imzali || !y.isleyici)
        throw RpcError::server(ad + " yöntemi henüz desteklenmiyor");
    const json::array &args = params.get_array();
    if (args.size() != y.parametreler.size())
        throw RpcError::protocol(ad + " " + std::to_string(y.parametreler.size()) + " parametre bekliyor, "
                                 + std::to_string(args.size()) + " geldi");
    Cagri cagri(y.parametreler, args, s, o);
    Yanit yanit;
    y.isleyici(cagri, yanit);
    return yanit.govde();
}

} // namespace appserver
