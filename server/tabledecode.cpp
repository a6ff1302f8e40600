// Decoding the table form of docs/protocol.md, the hot path of every list:
// the cells go straight from the parsed JSON into the typed column storage.
#include "server/resulttable.h"

#include "server/resulttableimpl.h"

#include <boost/json.hpp>

#include <cmath>
#include <limits>

namespace json = boost::json;

namespace {

[[noreturn]] void bozuk(const QString &neden)
{
    throw TableError(QStringLiteral("Tablo paketi bozuk: %1").arg(neden).toStdString());
}

[[noreturn]] void hucreBozuk(size_t r, const TableColumn &k, const char *beklenen, const json::value &v)
{
    static const char *const adlar[] = { "null", "true/false", "tamsayı", "tamsayı", "sayı", "metin", "dizi", "nesne" };
    const int tur = int(v.kind());
    bozuk(QStringLiteral("%1. satır, \"%2\" sütunu: %3 bekleniyordu, %4 geldi")
              .arg(r + 1)
              .arg(k.def.name, QString::fromUtf8(beklenen), QString::fromUtf8(adlar[tur])));
}

QString qstr(json::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

int tamsayiUye(const json::object &o, json::string_view ad, size_t i)
{
    const json::value *v = o.if_contains(ad);
    if (!v || v->is_null())
        return 0;
    if (v->is_int64() && v->get_int64() >= 0 && v->get_int64() <= std::numeric_limits<int>::max())
        return int(v->get_int64());
    if (v->is_uint64() && v->get_uint64() <= uint64_t(std::numeric_limits<int>::max()))
        return int(v->get_uint64());
    bozuk(QStringLiteral("%1. sütunun \"%2\" değeri eksi olmayan bir tamsayı değil").arg(i + 1).arg(qstr(ad)));
}

ColumnDef sutunTanimi(const json::value &v, size_t i)
{
    const json::object *o = v.if_object();
    if (!o)
        bozuk(QStringLiteral("%1. sütun bir nesne değil").arg(i + 1));
    const json::value *ad = o->if_contains("name");
    if (!ad || !ad->is_string() || ad->get_string().empty())
        bozuk(QStringLiteral("%1. sütunun adı (\"name\") yok").arg(i + 1));
    const json::value *tur = o->if_contains("type");
    if (!tur || !tur->is_string())
        bozuk(QStringLiteral("%1. sütunun (\"%2\") türü (\"type\") yok").arg(i + 1).arg(qstr(ad->get_string())));
    const auto t = wire::columnTypeFromName(std::string_view(tur->get_string()));
    if (!t)
        bozuk(QStringLiteral("%1. sütunun (\"%2\") türü bilinmiyor: \"%3\"")
                  .arg(i + 1)
                  .arg(qstr(ad->get_string()), qstr(tur->get_string())));
    ColumnDef d;
    d.name = qstr(ad->get_string());
    d.type = *t;
    d.size = tamsayiUye(*o, "size", i);
    d.precision = tamsayiUye(*o, "precision", i);
    d.scale = tamsayiUye(*o, "scale", i);
    return d;
}

// A whole number: an integer, or a number with no fraction (a writer may send 5 as 5E0).
bool tamsayi(const json::value &v, int64_t *out)
{
    switch (v.kind()) {
    case json::kind::int64:
        *out = v.get_int64();
        return true;
    case json::kind::uint64:
        *out = int64_t(v.get_uint64());
        return v.get_uint64() <= uint64_t(std::numeric_limits<int64_t>::max());
    case json::kind::double_: {
        const double d = v.get_double();
        *out = int64_t(d);
        return d == std::trunc(d) && std::fabs(d) < 9.2e18;
    }
    default:
        return false;
    }
}

bool sayi(const json::value &v, double *out)
{
    switch (v.kind()) {
    case json::kind::int64:
        *out = double(v.get_int64());
        return true;
    case json::kind::uint64:
        *out = double(v.get_uint64());
        return true;
    case json::kind::double_:
        *out = v.get_double();
        return std::isfinite(*out);
    default:
        return false;
    }
}

using Depo = TableColumn::Storage;
using Satirlar = std::vector<const json::value *>;

template<Depo S> void hucreOku(TableColumn &k, size_t r, const json::value &v)
{
    int64_t n;
    double x;
    if constexpr (S == Depo::I32) {
        if (!tamsayi(v, &n) || n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
            hucreBozuk(r, k, "32 bitlik tamsayı", v);
        k.i32[r] = int32_t(n);
    } else if constexpr (S == Depo::I64) {
        if (!tamsayi(v, &n))
            hucreBozuk(r, k, "64 bitlik tamsayı", v);
        k.i64[r] = n;
    } else if constexpr (S == Depo::F64) {
        if (!sayi(v, &x))
            hucreBozuk(r, k, "sonlu bir sayı", v);
        k.f64[r] = x;
    } else if constexpr (S == Depo::Fixed) {
        if (!sayi(v, &x) || !k.fixedFrom(x, &k.i64[r]))
            hucreBozuk(r, k, "sabit ondalığa sığan bir sayı", v);
    } else if constexpr (S == Depo::U8) {
        if (!v.is_bool())
            hucreBozuk(r, k, "true/false", v);
        k.u8[r] = v.get_bool();
    } else if constexpr (S == Depo::Bin) {
        if (!v.is_string())
            hucreBozuk(r, k, "base64 metni", v);
        const json::string &s = v.get_string();
        const auto b = QByteArray::fromBase64Encoding(QByteArray::fromRawData(s.data(), qsizetype(s.size())),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (b.decodingStatus != QByteArray::Base64DecodingStatus::Ok)
            hucreBozuk(r, k, "geçerli bir base64 metni", v);
        k.setBytes(int(r), b.decoded.constData(), size_t(b.decoded.size()));
    }
}

// Room for a column's texts, judged from a sample of rows; UTF-8 bytes bound UTF-16 units.
void metinYeriAyir(TableColumn &k, const Satirlar &satirlar, size_t c)
{
    const size_t n = satirlar.size(), adim = std::max<size_t>(1, n / 256);
    size_t bayt = 0, ornek = 0;
    for (size_t r = 0; r < n; r += adim, ++ornek)
        if (const json::string *s = satirlar[r][c].if_string())
            bayt += s->size();
    if (ornek)
        k.chars.reserve(size_t(double(bayt) / double(ornek) * double(n) * 1.05) + 16);
}

// A block of rows of one column: the type is decided once per block and the
// column's storage is written front to back.
template<Depo S> void sutunOku(TableColumn &k, const Satirlar &satirlar, size_t c, size_t bas, size_t son)
{
    for (size_t r = bas; r < son; ++r) {
        const json::value &v = satirlar[r][c];
        if (v.is_null()) {
            k.markNull(int(r), true);
        } else if constexpr (S == Depo::Text) {
            const json::string *s = v.if_string();
            if (!s)
                hucreBozuk(r, k, "metin", v);
            if (k.chars.n + s->size() > std::numeric_limits<uint32_t>::max())
                k.fail(QStringLiteral("metinler sütuna sığmıyor"));
            char16_t *p = k.chars.grow(s->size());
            const size_t u = utf16From(std::string_view(*s), p);
            k.chars.n -= s->size() - u;
            k.off[r] = uint32_t(p - k.chars.data());
            k.len[r] = uint32_t(u);
        } else {
            hucreOku<S>(k, r, v);
        }
    }
}

// Rows are read in blocks that stay in the cache while every column takes its
// cells from them: row by row would scatter the writes over all the columns,
// column by column would fetch every row from memory once per column.
void bloklarOku(std::vector<TableColumn> &cols, const Satirlar &satirlar)
{
    constexpr size_t blok = 64;
    for (size_t bas = 0; bas < satirlar.size(); bas += blok) {
        const size_t son = std::min(satirlar.size(), bas + blok);
        for (size_t c = 0; c < cols.size(); ++c) {
            TableColumn &k = cols[c];
            switch (k.storage) {
            case Depo::Text:
                sutunOku<Depo::Text>(k, satirlar, c, bas, son);
                break;
            case Depo::I32:
                sutunOku<Depo::I32>(k, satirlar, c, bas, son);
                break;
            case Depo::I64:
                sutunOku<Depo::I64>(k, satirlar, c, bas, son);
                break;
            case Depo::F64:
                sutunOku<Depo::F64>(k, satirlar, c, bas, son);
                break;
            case Depo::Fixed:
                sutunOku<Depo::Fixed>(k, satirlar, c, bas, son);
                break;
            case Depo::U8:
                sutunOku<Depo::U8>(k, satirlar, c, bas, son);
                break;
            case Depo::Bin:
                sutunOku<Depo::Bin>(k, satirlar, c, bas, son);
                break;
            }
        }
    }
}

} // namespace

ResultTable decodeTable(const json::value &v)
{
    const json::object *o = v.if_object();
    if (!o)
        bozuk(QStringLiteral("bir nesne bekleniyordu"));
    const json::value *sutunlar = o->if_contains("columns");
    if (!sutunlar || !sutunlar->is_array())
        bozuk(QStringLiteral("sütun listesi (\"columns\") yok"));
    const json::value *satirlarV = o->if_contains("rows");
    if (!satirlarV || !satirlarV->is_array())
        bozuk(QStringLiteral("satır listesi (\"rows\") yok"));
    const json::array &satirlar = satirlarV->get_array();
    if (satirlar.size() > size_t(std::numeric_limits<int>::max()))
        bozuk(QStringLiteral("satır sayısı çok büyük"));

    ResultTable t;
    auto &d = *t.d;
    const json::array &tanimlar = sutunlar->get_array();
    d.cols.reserve(tanimlar.size());
    for (size_t i = 0; i < tanimlar.size(); ++i) {
        ColumnDef def = sutunTanimi(tanimlar[i], i);
        if (t.columnIndex(def.name) >= 0)
            bozuk(QStringLiteral("\"%1\" sütunu iki kez var").arg(def.name));
        d.cols.emplace_back(std::move(def));
    }
    d.open = true;

    const size_t n = satirlar.size(), sutun = d.cols.size();
    Satirlar satirVeri(n);
    for (size_t r = 0; r < n; ++r) {
        const json::array *satir = satirlar[r].if_array();
        if (!satir)
            bozuk(QStringLiteral("%1. satır bir dizi değil").arg(r + 1));
        if (satir->size() != sutun)
            bozuk(QStringLiteral("%1. satırda %2 hücre var, %3 bekleniyordu").arg(r + 1).arg(satir->size()).arg(sutun));
        satirVeri[r] = satir->data();
    }
    for (size_t c = 0; c < sutun; ++c) {
        TableColumn &k = d.cols[c];
        k.resize(int(n));
        std::fill(k.nulls.begin(), k.nulls.end(), 0); // the cells mark their nulls
        if (k.storage == Depo::Text)
            metinYeriAyir(k, satirVeri, c);
    }
    bloklarOku(d.cols, satirVeri);
    for (TableColumn &k : d.cols)
        if (k.chars.cap > k.chars.n + k.chars.n / 4 + 1024)
            k.chars.shrink();
    d.rows = int(n);
    d.cursor = n > 0 ? 0 : -1;
    return t;
}
