// The writers of TableColumn: every value is converted to the column's own type.
#include "server/tablecolumn.h"

#include "platform/sayibicimi.h"

#include <QDateTime>

#include <cmath>
#include <limits>

namespace {

constexpr size_t enFazlaBirim = std::numeric_limits<uint32_t>::max();

bool metinMantik(QStringView s, bool *v)
{
    const bool dogru = s.compare(u"true", Qt::CaseInsensitive) == 0 || s == u"1";
    const bool yanlis = s.compare(u"false", Qt::CaseInsensitive) == 0 || s == u"0";
    *v = dogru;
    return dogru || yanlis;
}

double gunKesri(const QDateTime &t)
{
    return double(daysFromDate(t.date())) + t.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace

template<class A>
static void sikistir(A &arena, std::vector<uint32_t> &off, const std::vector<uint32_t> &len, size_t canli)
{
    A yeni;
    yeni.reserve(std::max<size_t>(canli, 1));
    for (size_t r = 0; r < off.size(); ++r) {
        const uint32_t o = uint32_t(yeni.n);
        yeni.append(arena.data() + off[r], len[r]);
        off[r] = o;
    }
    arena = std::move(yeni);
}

void TableColumn::compact()
{
    if (storage == Storage::Text)
        sikistir(chars, off, len, chars.n - garbage);
    else
        sikistir(bin, off, len, bin.n - garbage);
    garbage = 0;
}

char16_t *TableColumn::reserveText(int r, size_t units)
{
    const size_t i = size_t(r);
    garbage += len[i];
    off[i] = len[i] = 0;
    if (garbage > 4096 && garbage * 2 > chars.n)
        compact();
    if (chars.n + units > enFazlaBirim) {
        compact();
        if (chars.n + units > enFazlaBirim)
            fail(QStringLiteral("metinler sütuna sığmıyor"));
    }
    char16_t *p = chars.grow(units);
    off[i] = uint32_t(p - chars.data());
    len[i] = uint32_t(units);
    markNull(r, false);
    return p;
}

void TableColumn::finishText(int r, size_t units)
{
    chars.n -= len[size_t(r)] - units;
    len[size_t(r)] = uint32_t(units);
}

bool TableColumn::fixedFrom(double v, int64_t *out) const
{
    const double x = ondalikYuvarla(v, basamak) * double(olcek);
    if (!std::isfinite(x) || std::fabs(x) >= 9.2e18)
        return false;
    *out = std::llround(x); // x is within rounding error of a whole number
    return true;
}

void TableColumn::setNull(int r)
{
    if (storage == Storage::Text || storage == Storage::Bin) {
        garbage += len[size_t(r)];
        off[size_t(r)] = len[size_t(r)] = 0;
    }
    markNull(r, true);
}

void TableColumn::setString(int r, QStringView s)
{
    switch (storage) {
    case Storage::Text: {
        const char16_t *k = reinterpret_cast<const char16_t *>(s.utf16());
        if (k >= chars.data() && k < chars.data() + chars.n) {
            const QString kopya = s.toString(); // the arena may move under the source
            setString(r, kopya);
            return;
        }
        std::copy_n(k, s.size(), reserveText(r, size_t(s.size())));
        return;
    }
    case Storage::Bin: {
        const QByteArray b = s.toUtf8();
        setBytes(r, b.constData(), size_t(b.size()));
        return;
    }
    case Storage::U8: {
        bool v = false;
        if (s.trimmed().isEmpty())
            return setNull(r);
        if (!metinMantik(s.trimmed(), &v))
            fail(QStringLiteral("\"%1\" mantıksal bir değer değil").arg(s));
        return setBool(r, v);
    }
    default:
        break;
    }
    const QStringView t = s.trimmed();
    if (t.isEmpty())
        return setNull(r);
    if (def.type == ColumnType::Date || def.type == ColumnType::DateTime) {
        const QDateTime zaman = QDateTime::fromString(t.toString(), Qt::ISODateWithMs);
        if (zaman.isValid())
            return setDouble(r, gunKesri(zaman));
        const QDate tarih = QDate::fromString(t.toString(), Qt::ISODate);
        if (tarih.isValid())
            return setInt(r, daysFromDate(tarih));
    }
    bool ok = false;
    if (storage == Storage::I32 || storage == Storage::I64) {
        const qint64 v = t.toLongLong(&ok);
        if (ok)
            return setInt(r, v);
    }
    const double d = t.toDouble(&ok);
    if (!ok)
        fail(QStringLiteral("\"%1\" bir sayı değil").arg(s));
    setDouble(r, d);
}

void TableColumn::setUtf8(int r, std::string_view s)
{
    if (storage != Storage::Text)
        return setString(r, QString::fromUtf8(s.data(), qsizetype(s.size())));
    char16_t *p = reserveText(r, s.size());
    finishText(r, utf16From(s, p));
}

void TableColumn::setInt(int r, qint64 v)
{
    const size_t i = size_t(r);
    switch (storage) {
    case Storage::I32:
        if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
            fail(QStringLiteral("%1 32 bitlik bir tamsayıya sığmıyor").arg(v));
        i32[i] = int32_t(v);
        break;
    case Storage::I64:
        i64[i] = v;
        break;
    case Storage::F64:
        f64[i] = double(v);
        break;
    case Storage::Fixed: {
        int64_t x;
        if (__builtin_mul_overflow(v, olcek, &x))
            fail(QStringLiteral("%1 sabit ondalık olarak saklanamaz").arg(v));
        i64[i] = x;
        break;
    }
    case Storage::U8:
        u8[i] = v != 0;
        break;
    case Storage::Text:
        return setString(r, QString::number(v));
    case Storage::Bin:
        fail(QStringLiteral("bayt sütununa sayı yazılamaz"));
    }
    markNull(r, false);
}

void TableColumn::setDouble(int r, double v)
{
    const size_t i = size_t(r);
    switch (storage) {
    case Storage::I32:
    case Storage::I64: {
        // A date keeps the day of a date-time; other integers take the nearest.
        const double w = def.type == ColumnType::Date ? std::floor(v) : std::round(v);
        if (!std::isfinite(w) || std::fabs(w) >= 9.2e18)
            fail(QStringLiteral("%1 bir tamsayıya çevrilemez").arg(v));
        return setInt(r, qint64(w));
    }
    case Storage::F64:
        f64[i] = v;
        break;
    case Storage::Fixed:
        if (!fixedFrom(v, &i64[i]))
            fail(QStringLiteral("%1 sabit ondalık olarak saklanamaz").arg(v));
        break;
    case Storage::U8:
        u8[i] = v != 0;
        break;
    case Storage::Text:
        return setString(r, QString::number(v, 'g', QLocale::FloatingPointShortest));
    case Storage::Bin:
        fail(QStringLiteral("bayt sütununa sayı yazılamaz"));
    }
    markNull(r, false);
}

void TableColumn::setBool(int r, bool v)
{
    if (storage == Storage::Text)
        return setString(r, v ? u"true" : u"false");
    if (storage == Storage::Bin)
        fail(QStringLiteral("bayt sütununa mantıksal değer yazılamaz"));
    setInt(r, v ? 1 : 0);
}

void TableColumn::setBytes(int r, const char *p, size_t n)
{
    if (storage != Storage::Bin)
        return setUtf8(r, std::string_view(p, n));
    const size_t i = size_t(r);
    if (p >= bin.data() && p < bin.data() + bin.n) {
        const QByteArray kopya(p, qsizetype(n));
        return setBytes(r, kopya.constData(), n);
    }
    garbage += len[i];
    off[i] = len[i] = 0;
    if ((garbage > 4096 && garbage * 2 > bin.n) || bin.n + n > enFazlaBirim)
        compact();
    if (bin.n + n > enFazlaBirim)
        fail(QStringLiteral("baytlar sütuna sığmıyor"));
    char *q = bin.grow(n);
    if (n)
        std::memcpy(q, p, n);
    off[i] = uint32_t(q - bin.data());
    len[i] = uint32_t(n);
    markNull(r, false);
}

void TableColumn::setValue(int r, const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return setNull(r);
    switch (v.typeId()) {
    case QMetaType::Bool:
        return setBool(r, v.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return setInt(r, v.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (v.toULongLong() > uint64_t(std::numeric_limits<int64_t>::max()))
            fail(QStringLiteral("%1 64 bitlik bir tamsayıya sığmıyor").arg(v.toULongLong()));
        return setInt(r, v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return setDouble(r, v.toDouble());
    case QMetaType::QString:
        return setString(r, v.toString());
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        return setBytes(r, b.constData(), size_t(b.size()));
    }
    case QMetaType::QDate:
        if (storage == Storage::Text || storage == Storage::Bin)
            return setString(r, v.toDate().toString(Qt::ISODate));
        return setInt(r, daysFromDate(v.toDate()));
    case QMetaType::QDateTime:
        if (storage == Storage::Text || storage == Storage::Bin)
            return setString(r, v.toDateTime().toString(Qt::ISODateWithMs));
        return setDouble(r, gunKesri(v.toDateTime()));
    default:
        if (!v.canConvert<QString>())
            fail(QStringLiteral("%1 türünde bir değer yazılamaz").arg(QLatin1String(v.typeName())));
        return setString(r, v.toString());
    }
}

void TableColumn::copyCell(int r, const TableColumn &from, int fr)
{
    if (from.isNull(fr))
        return setNull(r);
    if (from.storage != storage || from.olcek != olcek || from.def.type != def.type)
        return setValue(r, from.value(fr));
    const size_t i = size_t(r), k = size_t(fr);
    switch (storage) {
    case Storage::I32:
        i32[i] = from.i32[k];
        break;
    case Storage::I64:
    case Storage::Fixed:
        i64[i] = from.i64[k];
        break;
    case Storage::F64:
        f64[i] = from.f64[k];
        break;
    case Storage::U8:
        u8[i] = from.u8[k];
        break;
    case Storage::Text:
        return setString(r, from.view(fr));
    case Storage::Bin:
        return setBytes(r, from.bin.data() + from.off[k], from.len[k]);
    }
    markNull(r, false);
}
