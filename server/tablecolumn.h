#pragma once
// One column of a ResultTable: its definition and its cells in typed storage.
// Texts live in one UTF-16 arena per column, addressed by offset and length, so
// a 100,000-row list needs no allocation per cell; edits append to the arena.

#include "server/resulttable.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
    void shrink()
    {
        Arena kopya(*this);
        *this = std::move(kopya);
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

// UTF-8 to UTF-16, never more units than bytes; a malformed sequence becomes U+FFFD.
inline size_t utf16From(std::string_view s, char16_t *o)
{
    const auto *p = reinterpret_cast<const unsigned char *>(s.data());
    const auto *e = p + s.size();
    char16_t *const bas = o;
    while (p < e) {
#ifdef __SSE2__
        // Runs of ASCII, 16 bytes at a time: the texts of a stock list are mostly codes.
        while (e - p >= 16) {
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            if (_mm_movemask_epi8(b))
                break;
            const __m128i z = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i *>(o), _mm_unpacklo_epi8(b, z));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(o + 8), _mm_unpackhi_epi8(b, z));
            p += 16;
            o += 16;
        }
#endif
        const unsigned c = *p;
        if (c < 0x80) {
            *o++ = char16_t(c);
            ++p;
            continue;
        }
        const int n = c >= 0xF8 ? 0 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        char32_t u = n == 4 ? c & 0x07 : n == 3 ? c & 0x0F : c & 0x1F;
        bool iyi = n != 0 && e - p >= n;
        for (int i = 1; iyi && i < n; ++i) {
            iyi = (p[i] & 0xC0) == 0x80;
            u = (u << 6) | (p[i] & 0x3F);
        }
        constexpr char32_t enAz[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (!iyi || u < enAz[n] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
            *o++ = u'\uFFFD';
            ++p;
            continue;
        }
        if (u >= 0x10000) {
            *o++ = char16_t(0xD800 + ((u - 0x10000) >> 10));
            *o++ = char16_t(0xDC00 + ((u - 0x10000) & 0x3FF));
        } else {
            *o++ = char16_t(u);
        }
        p += n;
    }
    return size_t(o - bas);
}

// Days since 1899-12-30, the wire's date origin.
QDate dateFromDays(int64_t days);
int64_t daysFromDate(QDate d);
