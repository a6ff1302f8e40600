#include "server/resulttable.h"

#include "server/resulttableimpl.h"

#include <algorithm>
#include <limits>

namespace {

[[noreturn]] void hata(const QString &s)
{
    throw TableError(s.toStdString());
}

} // namespace

ResultTable::ResultTable()
    : d(std::make_unique<Impl>())
{ }

ResultTable::~ResultTable() = default;
ResultTable::ResultTable(ResultTable &&) noexcept = default;
ResultTable &ResultTable::operator=(ResultTable &&) noexcept = default;

int ResultTable::columnCount() const
{
    return int(d->cols.size());
}

const ColumnDef &ResultTable::column(int c) const
{
    if (c < 0 || c >= columnCount())
        hata(QStringLiteral("Tabloda %1. sütun yok").arg(c + 1));
    return d->cols[size_t(c)].def;
}

int ResultTable::columnIndex(QStringView name) const
{
    for (size_t i = 0; i < d->cols.size(); ++i)
        if (name.compare(d->cols[i].def.name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

void ResultTable::addColumn(ColumnDef def)
{
    if (d->open)
        hata(QStringLiteral("Tablo açıkken \"%1\" sütunu eklenemez").arg(def.name));
    if (columnIndex(def.name) >= 0)
        hata(QStringLiteral("\"%1\" sütunu tabloda zaten var").arg(def.name));
    d->cols.emplace_back(std::move(def));
}

void ResultTable::setDisplayFormat(int c, const QString &format)
{
    column(c);
    d->cols[size_t(c)].setFormat(format);
    d->notify(Change::Reset);
}

bool ResultTable::isOpen() const
{
    return d->open;
}

void ResultTable::open()
{
    d->empty();
    d->open = true;
    d->notify(Change::Reset);
}

void ResultTable::close()
{
    d->empty();
    d->open = false;
    d->notify(Change::Reset);
}

void ResultTable::clearRows()
{
    d->empty();
    d->notify(Change::Reset);
}

int ResultTable::rowCount() const
{
    return d->rows;
}

int ResultTable::appendRow()
{
    if (!d->open)
        hata(QStringLiteral("Tablo kapalı: satır eklenemez"));
    if (d->rows == std::numeric_limits<int>::max())
        hata(QStringLiteral("Tablo dolu"));
    for (auto &c : d->cols)
        c.resize(d->rows + 1);
    d->pastEnd = false;
    const int r = d->rows++;
    d->notify(Change::Reset); // after the count: a listener reading the table sees the new row
    return r;
}

namespace {

const TableColumn &hucre(const ResultTable::Impl &d, int r, int c)
{
    if (r < 0 || r >= d.rows || c < 0 || c >= int(d.cols.size()))
        hata(QStringLiteral("Tabloda %1. satırın %2. sütunu yok").arg(r + 1).arg(c + 1));
    return d.cols[size_t(c)];
}

} // namespace

// clang-format off
bool ResultTable::isNull(int r, int c) const { return hucre(*d, r, c).isNull(r); }
QVariant ResultTable::value(int r, int c) const { return hucre(*d, r, c).value(r); }
double ResultTable::asDouble(int r, int c) const { return hucre(*d, r, c).toDouble(r); }
qint64 ResultTable::asInt(int r, int c) const { return hucre(*d, r, c).toInt(r); }
QString ResultTable::asString(int r, int c) const { return hucre(*d, r, c).toString(r); }
QStringView ResultTable::stringView(int r, int c) const { return hucre(*d, r, c).view(r); }
QByteArray ResultTable::asBytes(int r, int c) const { return hucre(*d, r, c).toBytes(r); }
bool ResultTable::asBool(int r, int c) const { return hucre(*d, r, c).toBool(r); }
QString ResultTable::displayText(int r, int c) const { return hucre(*d, r, c).displayText(r); }
// clang-format on

namespace {

template<class F> void duzenle(ResultTable::Impl &d, int r, int c, F &&f)
{
    hucre(d, r, c);
    f(d.cols[size_t(c)]);
    d.notify(ResultTable::Change::Cell, r, c);
}

} // namespace

void ResultTable::setNull(int r, int c)
{
    duzenle(*d, r, c, [r](TableColumn &k) { k.setNull(r); });
}

void ResultTable::setString(int r, int c, QStringView s)
{
    duzenle(*d, r, c, [r, s](TableColumn &k) { k.setString(r, s); });
}

void ResultTable::setInt(int r, int c, qint64 v)
{
    duzenle(*d, r, c, [r, v](TableColumn &k) { k.setInt(r, v); });
}

void ResultTable::setDouble(int r, int c, double v)
{
    duzenle(*d, r, c, [r, v](TableColumn &k) { k.setDouble(r, v); });
}

void ResultTable::setBool(int r, int c, bool v)
{
    duzenle(*d, r, c, [r, v](TableColumn &k) { k.setBool(r, v); });
}

void ResultTable::setBytes(int r, int c, const QByteArray &b)
{
    duzenle(*d, r, c, [r, &b](TableColumn &k) { k.setBytes(r, b.constData(), size_t(b.size())); });
}

void ResultTable::setValue(int r, int c, const QVariant &v)
{
    duzenle(*d, r, c, [r, &v](TableColumn &k) { k.setValue(r, v); });
}

int ResultTable::cursor() const
{
    return d->cursor;
}

void ResultTable::setCursor(int r)
{
    if (r < -1 || r >= d->rows)
        hata(QStringLiteral("Tabloda %1. satır yok").arg(r + 1));
    d->cursor = r;
    d->pastEnd = false;
    d->notify(Change::Cursor, r);
}

bool ResultTable::first()
{
    if (d->rows == 0)
        return false;
    setCursor(0);
    return true;
}

bool ResultTable::next()
{
    if (d->cursor + 1 >= d->rows) {
        d->pastEnd = true;
        return false;
    }
    setCursor(d->cursor + 1);
    return true;
}

bool ResultTable::eof() const
{
    return d->rows == 0 || d->pastEnd;
}

void ResultTable::disableControls()
{
    ++d->disabled;
}

void ResultTable::enableControls()
{
    if (d->disabled > 0 && --d->disabled == 0)
        d->notify(Change::Reset);
}

bool ResultTable::controlsDisabled() const
{
    return d->disabled > 0;
}

int ResultTable::addListener(Listener l)
{
    d->listeners.emplace_back(d->nextListener, std::move(l));
    return d->nextListener++;
}

void ResultTable::removeListener(int id)
{
    std::erase_if(d->listeners, [id](const auto &l) { return l.first == id; });
}

size_t ResultTable::storageBytes() const
{
    size_t n = 0;
    for (const auto &c : d->cols)
        n += c.bytes();
    return n;
}
