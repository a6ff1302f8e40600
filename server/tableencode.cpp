// Writing a table in the table form of docs/protocol.md.
#include "server/resulttable.h"

#include "server/resulttableimpl.h"

#include <boost/json.hpp>

#include <cmath>

namespace json = boost::json;

namespace {

std::string utf8(QStringView s)
{
    std::string o;
    o.reserve(size_t(s.size()));
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t u = s[i].unicode();
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            u = QChar::surrogateToUcs4(char16_t(u), s[++i].unicode());
        else if (u >= 0xD800 && u <= 0xDFFF)
            u = 0xFFFD; // a lone surrogate
        if (u < 0x80) {
            o += char(u);
        } else if (u < 0x800) {
            o += char(0xC0 | (u >> 6));
            o += char(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            o += char(0xE0 | (u >> 12));
            o += char(0x80 | ((u >> 6) & 0x3F));
            o += char(0x80 | (u & 0x3F));
        } else {
            o += char(0xF0 | (u >> 18));
            o += char(0x80 | ((u >> 12) & 0x3F));
            o += char(0x80 | ((u >> 6) & 0x3F));
            o += char(0x80 | (u & 0x3F));
        }
    }
    return o;
}

// Whole numbers travel as integers (18, not 1.8E1); NaN and infinities, which
// the protocol does not allow, as null.
json::value sayiYaz(double d)
{
    if (!std::isfinite(d))
        return nullptr;
    if (d == std::trunc(d) && std::fabs(d) < 9007199254740992.0)
        return json::value(int64_t(d));
    return json::value(d);
}

json::value hucreYaz(const TableColumn &k, int r)
{
    if (k.isNull(r))
        return nullptr;
    const size_t i = size_t(r);
    switch (k.storage) {
    case TableColumn::Storage::Text:
        return json::value(json::string(utf8(k.view(r))));
    case TableColumn::Storage::I32:
        return json::value(int64_t(k.i32[i]));
    case TableColumn::Storage::I64:
        return json::value(k.i64[i]);
    case TableColumn::Storage::F64:
        return sayiYaz(k.f64[i]);
    case TableColumn::Storage::Fixed:
        return sayiYaz(k.toDouble(r));
    case TableColumn::Storage::U8:
        return json::value(bool(k.u8[i]));
    case TableColumn::Storage::Bin: {
        const QByteArray b = k.toBytes(r).toBase64();
        return json::value(json::string(json::string_view(b.constData(), size_t(b.size()))));
    }
    }
    return nullptr;
}

} // namespace

json::value encodeTable(const ResultTable &t)
{
    const auto &d = *t.d;
    json::array sutunlar;
    for (const TableColumn &k : d.cols) {
        json::object s;
        s["name"] = utf8(k.def.name);
        s["type"] = json::string(wire::columnTypeName(k.def.type));
        if (k.def.type == ColumnType::String)
            s["size"] = k.def.size;
        if (k.def.type == ColumnType::Bcd) {
            s["precision"] = k.def.precision;
            s["scale"] = k.def.scale;
        }
        sutunlar.push_back(std::move(s));
    }
    json::array satirlar;
    satirlar.reserve(size_t(d.rows));
    for (int r = 0; r < d.rows; ++r) {
        json::array satir;
        satir.reserve(d.cols.size());
        for (const TableColumn &k : d.cols)
            satir.push_back(hucreYaz(k, r));
        satirlar.push_back(std::move(satir));
    }
    json::object o;
    o["columns"] = std::move(sutunlar);
    o["rows"] = std::move(satirlar);
    return o;
}
