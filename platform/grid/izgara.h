#pragma once
// The data grid every list of the program uses: a read-only, row-selecting view
// over one ResultTable, with declared columns, header filters and column chooser,
// sorting, incremental search in the focused column, a summary footer, grouping
// with group footers, the weighted and best-fit column layouts, a data link that
// can be cut while a worker fills the table, and the spreadsheet export.
//
// The grid never copies the table: it keeps a vector of row numbers in view
// order (filters, sort, groups) and reads cells on demand.

#include "platform/grid/izgarasutunu.h"

#include <QColor>
#include <QSize>
#include <QStringList>
#include <QStringView>
#include <QWidget>

#include <memory>
#include <vector>

class QMenu;
class QTreeView;
class ResultTable;

// Widths of the weighted layout: unit = trunc((izgaraGenisligi − 30) / sum of
// the weights of the visible columns), each visible column weight × unit,
// hidden ones 0. No visible weight (or a grid narrower than 30) gives zeros.
std::vector<int> AgirlikliGenislikler(int izgaraGenisligi, const std::vector<int> &agirliklar,
                                      const std::vector<bool> &gorunur);

class Izgara : public QWidget
{
    Q_OBJECT

public:
    struct Renkler
    {
        QColor cift = QColor(239, 239, 239); // rows 0, 2, 4 … of the view
        QColor tek = Qt::white;
        QColor secili = QColor(210, 240, 249);
        QColor baslik = QColor(0, 176, 200);
        QColor baslikYazi = Qt::white;
        bool baslikKalin = true;
    };

    explicit Izgara(QWidget *parent = nullptr);
    ~Izgara() override;

    // ---- Columns (in display order) ----
    void setSutunlar(std::vector<IzgaraSutunu> sutunlar);
    int sutunSayisi() const;
    const IzgaraSutunu &sutun(int i) const;
    int sutunBul(QStringView kimlik) const; // -1 when absent
    void setSutunGorunur(QStringView kimlik, bool gorunur);
    bool sutunGorunur(QStringView kimlik) const;
    void setSutunSunulur(QStringView kimlik, bool sunulur); // offered in the column chooser
    bool sutunSunulur(QStringView kimlik) const;
    void setSutunGenisligi(QStringView kimlik, int piksel);
    int sutunGenisligi(QStringView kimlik) const; // 0 while hidden

    // ---- Data link ----
    // Binds the table (not owned; it must outlive the grid or be unbound first).
    void setTablo(ResultTable *tablo);
    ResultTable *tablo() const;
    // Cut: the view shows no rows and neither reads nor watches the table, so
    // another thread may fill it. Restore: reads the table again, keeps the
    // columns' state, applies the sort, filters and grouping anew.
    void baglantiyiKes();
    void baglantiyiKur();
    bool bagli() const;
    // Bulk update: nests; changes of the table are not followed inside the
    // bracket, and the outermost end reads the table once.
    void guncellemeyeBasla();
    void guncellemeyiBitir();

    // ---- Appearance ----
    void setRenkler(const Renkler &renkler);
    const Renkler &renkler() const;
    void setSatirYuksekligi(int piksel); // every data row
    int satirYuksekligi() const;
    void setBaslikYuksekligi(int piksel);
    void setBaslikGorunur(bool gorunur);
    void setAltBilgiGorunur(bool gorunur); // the summary footer
    void setFiltreDugmeleri(bool var); // header filter buttons
    void setSiralanabilir(bool evet); // sorting by header click
    void setSutunSecici(bool var); // the header's context menu of offered columns

    // ---- Rows ----
    int gorunenSatirSayisi() const; // data rows in the view (after the filters)
    int gorunumSatiri(int i) const; // the table row shown as the view's i-th data row
    int odakSatiri() const; // table row of the focused data row, -1 when none
    QString odakSutunu() const; // kimlik of the focused column, empty when none
    void setOdak(int tabloSatiri, QStringView sutunKimligi = {});
    void setBaglamMenusu(QMenu *menu); // the grid's context menu (not the header's)

    // ---- Filters (header filter buttons) ----
    // Accepted display texts of one column; an empty list removes its filter.
    void setSutunFiltresi(QStringView kimlik, const QStringList &degerler);
    QStringList sutunFiltresi(QStringView kimlik) const;
    void filtreleriTemizle();
    bool filtreVar() const;

    // ---- Sorting ----
    void sirala(QStringView kimlik, Qt::SortOrder yon = Qt::AscendingOrder);
    void siralamayiKaldir(); // back to the table's order

    // ---- Grouping ----
    // Groups the rows by the column's value (ascending), each group with a
    // footer of the columns' summaries; the grouping column is hidden. Empty: none.
    void setGruplama(QStringView kimlik);
    QString gruplama() const;
    int grupSayisi() const;
    QString grupBasligi(int grup) const;
    int grupSatirSayisi(int grup) const;
    void gruplariDaralt();
    void gruplariGenislet();
    bool grupAcik(int grup) const;

    // ---- Summaries ----
    // The footer's text under the column (empty when it has no summary).
    QString altBilgiMetni(QStringView kimlik) const;
    QString grupAltBilgiMetni(int grup, QStringView kimlik) const;

    // ---- Layouts ----
    void agirlikliGenislikUygula(); // AgirlikliGenislikler over the grid's width
    void enIyiGenislikUygula(); // every visible column fitted to its content

    // ---- Export ----
    // Every row of the view, every group expanded (group caption rows and group
    // footers included), the visible columns in display order with their captions,
    // numbers as numbers with their display format, dates as dates, texts as text,
    // the footer as a last row. Throws XlsHatasi when the file cannot be written.
    void xlsYaz(const QString &yol) const;

    QTreeView *gorunum() const; // the inner view: object name, focus, tests

    struct Impl; // platform/grid/izgaraimpl.h
    // Bytes the grid holds beside the table: the row mapping (and its inverse
    // while built), for the memory benchmark.
    size_t eslemeBaytlari() const;

signals:
    void satirCiftTiklandi(int tabloSatiri, const QString &sutunKimligi);
    void boyutDegisti(QSize boyut);

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    std::unique_ptr<Impl> d;
};
