// The two ways a result becomes the content of a local table.
#include "server/resulttable.h"

#include "server/resulttableimpl.h"

void ResultTable::loadPacket(ResultTable &&packet)
{
    if (&packet == this)
        return;
    d->cols = std::move(packet.d->cols);
    d->rows = packet.d->rows;
    d->open = packet.d->open;
    d->cursor = d->rows > 0 ? 0 : -1;
    d->pastEnd = false;
    packet.d->cols.clear();
    packet.d->rows = 0;
    packet.d->open = false;
    packet.d->cursor = -1;
    d->notify(Change::Reset);
}

void ResultTable::loadRows(const ResultTable &result)
{
    // Loading a table into itself reads from a copy.
    if (&result == this) {
        ResultTable kopya;
        kopya.d->cols = std::vector<TableColumn>(d->cols);
        kopya.d->rows = d->rows;
        kopya.d->open = true;
        return loadRows(kopya);
    }
    const auto &gelen = result.d->cols;
    const size_t ortak = std::min(d->cols.size(), gelen.size());
    for (size_t i = 0; i < ortak; ++i) {
        const QString &bizim = d->cols[i].def.name;
        if (bizim.compare(gelen[i].def.name, Qt::CaseInsensitive) != 0)
            throw TableError(QStringLiteral("Sonuç tabloya uymuyor: %1. sütun tabloda \"%2\", sonuçta \"%3\"")
                                 .arg(i + 1)
                                 .arg(bizim, gelen[i].def.name)
                                 .toStdString());
    }

    d->empty();
    d->open = false;
    for (size_t i = d->cols.size(); i < gelen.size(); ++i)
        d->cols.emplace_back(gelen[i].def);
    d->open = true;

    const int n = result.d->rows;
    try {
        for (size_t i = 0; i < d->cols.size(); ++i) {
            TableColumn &k = d->cols[i];
            if (i < gelen.size() && k.sameStorage(gelen[i])) {
                k.copyCells(gelen[i]);
                continue;
            }
            k.resize(n);
            if (i < gelen.size())
                for (int r = 0; r < n; ++r)
                    k.copyCell(r, gelen[i], r);
        }
        d->rows = n;
    } catch (...) {
        d->empty();
        d->notify(Change::Reset);
        throw;
    }
    d->cursor = n > 0 ? 0 : -1;
    d->notify(Change::Reset);
}
