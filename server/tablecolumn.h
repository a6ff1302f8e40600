#pragma once
// One column of a ResultTable: its definition and its cells in typed storage.
// Texts live in one UTF-16 arena per column, addressed by offset and length, so
// a 100,000-row list needs no allocation per cell; edits append to the arena.

#include "server/resulttable.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

class SayiBicimi;

// Growable storage without value-initialisation: the decoder writes every unit.
template<class T> struct Arena
{
    std::unique_ptr<T[]> p;
    size_t n = 0, cap = 0;

    Arena() = default;
    Arena(const Arena &o) { append(o.p.get(), o.n); }
    Arena(Arena &&) noexcept = default;
    Arena &operator=(Arena &&) noexcept = default;
    T *data() const { return p.get(); }
    void reserve(size_t c)
    {
        if (c <= cap)
            return;
        std::unique_ptr<T[]> q(new T[c]);
        if (n)
            std::memcpy(q.get(), p.get(), n * sizeof(T));
        p = std::move(q);
        cap = c;
    }
    T *grow(size_t k)
    {
        if (n + k > cap)
            reserve(std::max({ cap * 2, n + k, size_t(256) }));
        T *r = p.get() + n;
        n += k;
        return r;
    }
    void append(const T *s, size_t k)
    {
        if (k)
            std::memcpy(grow(k), s, k * sizeof(T));
    }
};

class TableColumn
{
public:
    enum class Storage : uint8_t { I32, I64, F64, Fixed, U8, Text, Bin };

    explicit TableColumn(ColumnDef d); // throws TableError for an unusable definition
    TableColumn(const TableColumn &o);
    TableColumn(TableColumn &&) noexcept;
    TableColumn &operator=(TableColumn &&) noexcept;
    ~TableColumn();

    ColumnDef def;
    Storage storage = Storage::Text;
    int64_t olcek = 1; // fixed decimals: the stored integer is value × olcek
    int basamak = 0; // … with olcek = 10^basamak

    int rows() const { return m_rows; }
    void resize(int rows); // new cells are null
    void reserve(int rows);
    void clear();
    size_t bytes() const;
    void setFormat(const QString &format);
    QString displayText(int r) const;

    bool isNull(int r) const { return (nulls[size_t(r) >> 6] >> (r & 63)) & 1; }
    void markNull(int r, bool n)
    {
        const uint64_t bit = uint64_t(1) << (r & 63);
        n ? nulls[size_t(r) >> 6] |= bit : nulls[size_t(r) >> 6] &= ~bit;
    }

    // Readers: conversions for callers that want another type than the column's.
    QVariant value(int r) const;
    double toDouble(int r) const;
    qint64 toInt(int r) const;
    QString toString(int r) const;
    QStringView view(int r) const;
    QByteArray toBytes(int r) const;
    bool toBool(int r) const;

    // Writers convert to the column's type; TableError when that cannot be done.
    void setNull(int r);
    void setString(int r, QStringView s);
    void setUtf8(int r, std::string_view s); // the decoder's path: no QString between
    void setInt(int r, qint64 v);
    void setDouble(int r, double v);
    void setBool(int r, bool v);
    void setBytes(int r, const char *p, size_t n);
    void setValue(int r, const QVariant &v);
    void copyCell(int r, const TableColumn &from, int fr);
    bool sameStorage(const TableColumn &o) const
    {
        return storage == o.storage && olcek == o.olcek && def.type == o.def.type;
    }
    void copyCells(const TableColumn &from); // every cell at once; needs sameStorage

    // Storage, by kind; only the vectors of `storage` are used.
    std::vector<uint64_t> nulls;
    std::vector<int32_t> i32;
    std::vector<int64_t> i64;
    std::vector<double> f64;
    std::vector<uint8_t> u8;
    Arena<char16_t> chars;
    Arena<char> bin;
    std::vector<uint32_t> off, len;
    size_t garbage = 0; // arena units no cell refers to any more

    [[noreturn]] void fail(const QString &why) const;
    char16_t *reserveText(int r, size_t units); // room for a new text of cell r
    void finishText(int r, size_t units); // gives back what the text did not use
    // v in units of 10^-basamak, halves away from zero on the exact value; false when it does not fit.
    bool fixedFrom(double v, int64_t *out) const;

private:
    void compact();
    int m_rows = 0;
    std::unique_ptr<SayiBicimi> m_format;
};

// Days since 1899-12-30, the wire's date origin.
QDate dateFromDays(int64_t days);
int64_t daysFromDate(QDate d);
