// The grid written as a spreadsheet: what the view shows, every group open.
#include "platform/grid/izgara.h"

#include "platform/grid/izgaraimpl.h"
#include "platform/xls/xlskitap.h"
#include "server/resulttable.h"

#include <QHash>

namespace {

struct Disa
{
    const Izgara::Impl &d;
    XlsKitap &kitap;
    std::vector<int> sutunlar; // grid columns in display order
    QHash<QString, int> bicimler;

    int bicim(const QString &kod)
    {
        auto i = bicimler.find(kod);
        if (i == bicimler.end())
            i = bicimler.insert(kod, kitap.bicimEkle({ kod, false }));
        return i.value();
    }

    // The column's own number format, -1 (General) when it has none.
    int sayiBicimi(int tc)
    {
        const QString &kod = d.tablo->column(tc).displayFormat;
        return kod.isEmpty() ? -1 : bicim(kod);
    }

    void hucre(int x, int r, int c)
    {
        const ResultTable &t = *d.tablo;
        const IzgaraSutunu &s = d.sutunlar[size_t(c)];
        if (s.sunum == Sunum::Hesaplanan) {
            QString m = d.hucreMetni(r, c);
            m.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            while (m.endsWith(QLatin1Char('\n')))
                m.chop(1);
            if (!m.isEmpty())
                kitap.metin(x, m);
            return;
        }
        const int tc = d.tabloSutunu[size_t(c)];
        if (tc < 0 || tc >= t.columnCount() || r >= t.rowCount() || t.isNull(r, tc))
            return;
        if (s.sunum == Sunum::TikKutusu)
            return kitap.sayi(x, t.asInt(r, tc) == 1 ? 1 : 0);
        if (s.sunum == Sunum::Simge && s.simgeMetni) {
            const QString m = s.simgeMetni(t.value(r, tc));
            if (!m.isEmpty())
                return kitap.metin(x, m);
        }
        switch (t.column(tc).type) {
        case ColumnType::String:
            return kitap.metin(x, t.stringView(r, tc).toString());
        case ColumnType::Int32:
        case ColumnType::Int64:
        case ColumnType::Double:
        case ColumnType::Currency:
        case ColumnType::Bcd:
            return kitap.sayi(x, t.asDouble(r, tc), sayiBicimi(tc));
        case ColumnType::Date:
            return kitap.tarih(x, t.asDouble(r, tc));
        case ColumnType::DateTime:
            return kitap.tarih(x, t.asDouble(r, tc), bicim(QStringLiteral("dd.mm.yyyy hh:mm")));
        case ColumnType::Bool:
            return kitap.sayi(x, t.asBool(r, tc) ? 1 : 0);
        case ColumnType::Bytes:
            return;
        }
    }

    // A footer row: counts as General numbers, sums in the column's format.
    void ozetSatiri(int bas, int adet)
    {
        kitap.satirEkle();
        for (int x = 0; x < int(sutunlar.size()); ++x) {
            const int c = sutunlar[size_t(x)];
            const IzgaraSutunu &s = d.sutunlar[size_t(c)];
            const int tc = d.tabloSutunu[size_t(c)];
            if (s.ozet == Ozet::Sayi)
                kitap.sayi(x, adet);
            else if (s.ozet == Ozet::Toplam && tc >= 0 && tc < d.tablo->columnCount())
                kitap.sayi(x, d.ozetToplami(c, bas, adet), sayiBicimi(tc));
        }
    }

    void veriSatiri(int r)
    {
        kitap.satirEkle();
        for (int x = 0; x < int(sutunlar.size()); ++x)
            hucre(x, r, sutunlar[size_t(x)]);
    }
};

} // namespace

void Izgara::xlsYaz(const QString &yol) const
{
    XlsKitap kitap;
    Disa disa { *d, kitap, {}, {} };
    QStringList basliklar;
    std::vector<int> genislikler;
    const QHeaderView *h = d->baslik;
    for (int v = 0; v < h->count(); ++v) {
        const int c = h->logicalIndex(v);
        if (c < 0 || h->isSectionHidden(c) || d->sutunlar[size_t(c)].sunum == Sunum::Resim)
            continue;
        disa.sutunlar.push_back(c);
        basliklar << d->sutunlar[size_t(c)].baslik;
        genislikler.push_back(std::max(4, h->sectionSize(c) / 7));
    }
    kitap.setSutunlar(basliklar, genislikler);
    if (d->okunur() && !disa.sutunlar.empty()) {
        const bool ozetVar = std::any_of(disa.sutunlar.begin(), disa.sutunlar.end(),
                                         [&](int c) { return d->sutunlar[size_t(c)].ozet != Ozet::Yok; });
        if (d->grupSutunu >= 0) {
            for (int g = 0; g < grupSayisi(); ++g) {
                kitap.satirEkle();
                kitap.metin(0, grupBasligi(g));
                const Impl::Grup &grup = d->gruplar[size_t(g)];
                for (int i = grup.bas; i < grup.bas + grup.adet; ++i)
                    disa.veriSatiri(d->satirlar[size_t(i)]);
                if (ozetVar)
                    disa.ozetSatiri(grup.bas, grup.adet);
            }
        } else {
            for (int r : d->satirlar)
                disa.veriSatiri(r);
        }
        if (ozetVar)
            disa.ozetSatiri(0, int(d->satirlar.size()));
    }
    kitap.kaydet(yol);
}
