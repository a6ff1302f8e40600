#include "server/tablecolumn.h"

#include "platform/sayibicimi.h"

#include <QDateTime>

#include <cmath>
#include <limits>

namespace {

const QDate kokTarih(1899, 12, 30);

template<class V> size_t kapasite(const V &v)
{
    return v.capacity() * sizeof(typename V::value_type);
}

// Whole units of a fixed decimal as text, without trailing zeros: 12375000 at 10^4 is "1237.5".
QString sabitMetin(int64_t v, int64_t olcek)
{
    if (olcek == 1)
        return QString::number(v);
    const bool eksi = v < 0;
    const uint64_t m = eksi ? uint64_t(0) - uint64_t(v) : uint64_t(v);
    QString s = QString::number(m / uint64_t(olcek));
    uint64_t kesir = m % uint64_t(olcek);
    if (kesir) {
        QString k = QString::number(kesir + uint64_t(olcek)).mid(1); // keeps the leading zeros
        while (k.endsWith(u'0'))
            k.chop(1);
        s += u'.' + k;
    }
    return eksi ? u'-' + s : s;
}

} // namespace

QDate dateFromDays(int64_t days)
{
    return kokTarih.addDays(days);
}

int64_t daysFromDate(QDate d)
{
    return kokTarih.daysTo(d);
}

TableColumn::TableColumn(ColumnDef d)
    : def(std::move(d))
{
    if (def.name.isEmpty())
        throw TableError("Sütun adı boş olamaz");
    if (def.size < 0 || def.precision < 0 || def.scale < 0)
        fail(QStringLiteral("uzunluk, duyarlık ve ölçek eksi olamaz"));
    switch (def.type) {
    case ColumnType::String:
        storage = Storage::Text;
        break;
    case ColumnType::Int32:
    case ColumnType::Date:
        storage = Storage::I32;
        break;
    case ColumnType::Int64:
        storage = Storage::I64;
        break;
    case ColumnType::Double:
    case ColumnType::DateTime:
        storage = Storage::F64;
        break;
    case ColumnType::Currency:
        storage = Storage::Fixed;
        basamak = 4;
        olcek = 10000;
        break;
    case ColumnType::Bcd:
        if (def.scale > 18)
            fail(QStringLiteral("ölçek en çok 18 olabilir"));
        storage = Storage::Fixed;
        basamak = def.scale;
        for (int i = 0; i < basamak; ++i)
            olcek *= 10;
        break;
    case ColumnType::Bool:
        storage = Storage::U8;
        break;
    case ColumnType::Bytes:
        storage = Storage::Bin;
        break;
    default:
        throw TableError("Bilinmeyen sütun türü");
    }
    if (!def.displayFormat.isEmpty())
        setFormat(def.displayFormat);
}

TableColumn::TableColumn(const TableColumn &o)
    : def(o.def)
    , storage(o.storage)
    , olcek(o.olcek)
    , basamak(o.basamak)
    , nulls(o.nulls)
    , i32(o.i32)
    , i64(o.i64)
    , f64(o.f64)
    , u8(o.u8)
    , chars(o.chars)
    , bin(o.bin)
    , off(o.off)
    , len(o.len)
    , garbage(o.garbage)
    , m_rows(o.m_rows)
    , m_format(o.m_format ? std::make_unique<SayiBicimi>(*o.m_format) : nullptr)
{ }

TableColumn::TableColumn(TableColumn &&) noexcept = default;
TableColumn &TableColumn::operator=(TableColumn &&) noexcept = default;
TableColumn::~TableColumn() = default;

void TableColumn::fail(const QString &why) const
{
    throw TableError(QStringLiteral("\"%1\" sütunu: %2").arg(def.name, why).toStdString());
}

namespace {

// The per-cell vectors a column of this storage uses, handed one by one to f.
template<class F> void cellVectors(TableColumn &c, F &&f)
{
    using S = TableColumn::Storage;
    switch (c.storage) {
    case S::I32:
        f(c.i32);
        break;
    case S::I64:
    case S::Fixed:
        f(c.i64);
        break;
    case S::F64:
        f(c.f64);
        break;
    case S::U8:
        f(c.u8);
        break;
    case S::Text:
    case S::Bin:
        f(c.off);
        f(c.len);
        break;
    }
}

} // namespace

void TableColumn::reserve(int rows)
{
    const size_t n = size_t(rows);
    nulls.reserve((n + 63) / 64);
    cellVectors(*this, [n](auto &v) { v.reserve(n); });
}

void TableColumn::resize(int rows)
{
    if (rows <= m_rows)
        return;
    const size_t n = size_t(rows);
    nulls.resize((n + 63) / 64, 0);
    for (int r = m_rows; r < rows; ++r) {
        if ((r & 63) == 0 && rows - r >= 64) {
            nulls[size_t(r) >> 6] = ~uint64_t(0);
            r += 63;
        } else {
            markNull(r, true);
        }
    }
    cellVectors(*this, [n](auto &v) { v.resize(n); });
    m_rows = rows;
}

void TableColumn::clear()
{
    TableColumn bos(def);
    bos.m_format = std::move(m_format);
    *this = std::move(bos);
}

void TableColumn::copyCells(const TableColumn &o)
{
    nulls = o.nulls;
    i32 = o.i32;
    i64 = o.i64;
    f64 = o.f64;
    u8 = o.u8;
    chars = Arena<char16_t>(o.chars);
    bin = Arena<char>(o.bin);
    off = o.off;
    len = o.len;
    garbage = o.garbage;
    m_rows = o.m_rows;
}

size_t TableColumn::bytes() const
{
    return kapasite(nulls) + kapasite(i32) + kapasite(i64) + kapasite(f64) + kapasite(u8) + kapasite(off)
        + kapasite(len) + chars.cap * sizeof(char16_t) + bin.cap;
}

void TableColumn::setFormat(const QString &format)
{
    if (format.isEmpty()) {
        m_format.reset();
    } else {
        if (!SayiBicimi::gecerliMi(format))
            fail(QStringLiteral("geçersiz görüntü biçimi \"%1\"").arg(format));
        m_format = std::make_unique<SayiBicimi>(format);
    }
    def.displayFormat = format;
}

QString TableColumn::displayText(int r) const
{
    if (isNull(r))
        return QString();
    const bool sayi = storage == Storage::F64 ? def.type == ColumnType::Double
                                              : storage == Storage::Fixed || storage == Storage::I64
            || (storage == Storage::I32 && def.type == ColumnType::Int32);
    if (m_format && sayi)
        return m_format->bicimle(toDouble(r));
    return toString(r);
}

QVariant TableColumn::value(int r) const
{
    if (isNull(r))
        return QVariant();
    switch (storage) {
    case Storage::I32:
        if (def.type == ColumnType::Date)
            return dateFromDays(i32[size_t(r)]);
        return i32[size_t(r)];
    case Storage::I64:
        return qlonglong(i64[size_t(r)]);
    case Storage::Fixed:
        return toDouble(r);
    case Storage::F64:
        if (def.type == ColumnType::DateTime) {
            const double v = f64[size_t(r)];
            const double gun = std::trunc(v);
            const int ms = int(std::llround(std::fabs(v - gun) * 86400000.0));
            return QDateTime(dateFromDays(int64_t(gun)), QTime(0, 0)).addMSecs(ms);
        }
        return f64[size_t(r)];
    case Storage::U8:
        return bool(u8[size_t(r)]);
    case Storage::Text:
        return view(r).toString();
    case Storage::Bin:
        return toBytes(r);
    }
    return QVariant();
}

double TableColumn::toDouble(int r) const
{
    if (isNull(r))
        return 0;
    switch (storage) {
    case Storage::I32:
        return i32[size_t(r)];
    case Storage::I64:
        return double(i64[size_t(r)]);
    case Storage::Fixed:
        return double(i64[size_t(r)]) / double(olcek);
    case Storage::F64:
        return f64[size_t(r)];
    case Storage::U8:
        return u8[size_t(r)];
    case Storage::Text: {
        bool ok = false;
        const double v = view(r).trimmed().toDouble(&ok);
        return ok ? v : 0;
    }
    case Storage::Bin:
        return 0;
    }
    return 0;
}

qint64 TableColumn::toInt(int r) const
{
    if (isNull(r))
        return 0;
    switch (storage) {
    case Storage::I32:
        return i32[size_t(r)];
    case Storage::I64:
        return i64[size_t(r)];
    case Storage::Fixed: {
        // Halves away from zero, in integers: no detour through double.
        const int64_t v = i64[size_t(r)];
        int64_t q = v / olcek;
        const int64_t kalan = v % olcek;
        if (kalan != 0 && uint64_t(kalan < 0 ? -kalan : kalan) * 2 >= uint64_t(olcek))
            q += v < 0 ? -1 : 1;
        return q;
    }
    case Storage::U8:
        return u8[size_t(r)];
    case Storage::F64:
    case Storage::Text: {
        if (storage == Storage::Text) {
            bool ok = false;
            const qint64 v = view(r).trimmed().toLongLong(&ok);
            if (ok)
                return v;
        }
        const double d = toDouble(r);
        if (!std::isfinite(d) || std::fabs(d) >= 9.2e18)
            return 0;
        return std::llround(d);
    }
    case Storage::Bin:
        return 0;
    }
    return 0;
}

QString TableColumn::toString(int r) const
{
    if (isNull(r))
        return QString();
    switch (storage) {
    case Storage::Text:
        return view(r).toString();
    case Storage::Fixed:
        return sabitMetin(i64[size_t(r)], olcek);
    case Storage::I64:
        return QString::number(i64[size_t(r)]);
    case Storage::U8:
        return u8[size_t(r)] ? QStringLiteral("true") : QStringLiteral("false");
    case Storage::Bin:
        return QString::fromLatin1(toBytes(r).toBase64());
    case Storage::I32:
        if (def.type == ColumnType::Date)
            return dateFromDays(i32[size_t(r)]).toString(Qt::ISODate);
        return QString::number(i32[size_t(r)]);
    case Storage::F64:
        if (def.type == ColumnType::DateTime)
            return value(r).toDateTime().toString(Qt::ISODateWithMs);
        return QString::number(f64[size_t(r)], 'g', QLocale::FloatingPointShortest);
    }
    return QString();
}

QStringView TableColumn::view(int r) const
{
    if (storage != Storage::Text || isNull(r))
        return {};
    return QStringView(chars.data() + off[size_t(r)], qsizetype(len[size_t(r)]));
}

QByteArray TableColumn::toBytes(int r) const
{
    if (isNull(r))
        return QByteArray();
    if (storage == Storage::Bin)
        return QByteArray(bin.data() + off[size_t(r)], qsizetype(len[size_t(r)]));
    return toString(r).toUtf8();
}

bool TableColumn::toBool(int r) const
{
    if (isNull(r))
        return false;
    if (storage == Storage::Text) {
        const QStringView s = view(r).trimmed();
        return s.compare(u"true", Qt::CaseInsensitive) == 0 || toDouble(r) != 0;
    }
    return storage != Storage::Bin && toDouble(r) != 0;
}
