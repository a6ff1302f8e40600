#pragma once
// The grid's insides, shared by its source files: the row mapping, the flat
// model over it, the cell painter, the header with filter marks and the footer.

#include "platform/grid/izgara.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QHeaderView>
#include <QPixmap>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTreeView>

class QLabel;
class QPushButton;
class QMenu;

// Case-insensitive order of texts with the Turkish letters after their Latin
// base letters (C < Ç, G < Ğ, I < İ, O < Ö, S < Ş, U < Ü). One table lookup per
// character: sorting 100,000 rows cannot afford a collator per comparison.
int turkceKarsilastir(QStringView a, QStringView b);

class IzgaraModeli;
class IzgaraGorunumu;
class IzgaraBaslik;
class IzgaraAltBilgi;

struct Izgara::Impl
{
    // A row of the model while grouped: a group caption, a data row or a group footer.
    enum class Tur : int { Veri, GrupBasligi, GrupAltBilgisi };
    struct Girdi
    {
        Tur tur;
        int deger; // Veri: index into satirlar; else the group
    };
    struct Grup
    {
        int bas = 0, adet = 0; // range of satirlar
        QString deger; // the grouping column's display text
        bool acik = true;
        std::vector<QString> ozetler; // per column
    };

    Izgara *q = nullptr;
    IzgaraGorunumu *gorunum = nullptr;
    IzgaraBaslik *baslik = nullptr;
    IzgaraModeli *model = nullptr;
    IzgaraAltBilgi *altBilgi = nullptr;
    QWidget *filtreSeridi = nullptr;
    QLabel *filtreEtiketi = nullptr;
    QPushButton *filtreTemizle = nullptr;
    QPointer<QMenu> baglamMenusu;

    ResultTable *tablo = nullptr;
    int dinleyici = 0; // listener id, 0: none
    bool bagli = true;
    int guncelleme = 0; // bulk-update nesting

    std::vector<IzgaraSutunu> sutunlar;
    std::vector<int> tabloSutunu; // table column of each grid column, -1: none
    std::vector<std::vector<QString>> filtreler; // accepted display texts, sorted; empty: no filter

    Renkler renkler;
    int satirYuksekligi = 24;
    bool altBilgiGorunur = false;
    bool filtreDugmeleri = false;
    bool siralanabilir = true;
    bool sutunSecici = false;

    int siraSutunu = -1;
    Qt::SortOrder siraYonu = Qt::AscendingOrder;
    int grupSutunu = -1;
    bool grupSutunuGorunurdu = true;

    std::vector<int> satirlar; // table rows in view order
    std::vector<Grup> gruplar;
    std::vector<Girdi> girdiler; // only while grouped
    std::vector<QString> ozetler; // footer text per column
    mutable std::vector<int> ters; // table row -> model row, built on demand
    mutable bool tersGecerli = false;
    mutable QCache<qint64, QPixmap> resimler { 64 };

    bool okunur() const { return bagli && tablo && guncelleme == 0; }
    int modelSatirSayisi() const { return grupSutunu >= 0 ? int(girdiler.size()) : int(satirlar.size()); }
    Girdi girdi(int modelSatiri) const
    {
        return grupSutunu >= 0 ? girdiler[size_t(modelSatiri)] : Girdi { Tur::Veri, modelSatiri };
    }
    int modelSatiriOf(int tabloSatiri) const; // -1 when not in the view

    // The column's text as filters, tooltips and computed cells see it.
    QString hucreMetni(int satir, int sutun) const;
    QString baslikMetni(int sutun) const; // caption, or the field name when captionless
    bool sayisal(int sutun) const;
    Qt::Alignment hiza(int sutun) const;
    QString ozetMetni(int sutun, int bas, int adet) const;
    double ozetToplami(int sutun, int bas, int adet) const; // sum over satirlar[bas, bas + adet)

    void yenile(); // rebuilds the mapping from the table and resets the model
    void girdileriKur();
    void ozetleriHesapla();
    void filtreUygula();
    void siralamaUygula();
    void gruplamaUygula();
    void dinle(bool evet);
    void degisiklik(int ne, int satir, int sutun);
    void filtreSeridiniGuncelle();
    void filtreListesiAc(int sutun);
    void sutunSeciciAc(const QPoint &global);
    void basligaTiklandi(int sutun);
    void baslikStili();
};

class IzgaraModeli : public QAbstractTableModel
{
public:
    explicit IzgaraModeli(Izgara::Impl &d, QObject *parent)
        : QAbstractTableModel(parent)
        , d(d)
    { }
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void sifirlamayaBasla() { beginResetModel(); }
    void sifirlamayiBitir() { endResetModel(); }

private:
    Izgara::Impl &d;
};

class IzgaraCizici : public QStyledItemDelegate
{
public:
    explicit IzgaraCizici(Izgara::Impl &d, QObject *parent)
        : QStyledItemDelegate(parent)
        , d(d)
    { }
    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    Izgara::Impl &d;
};

class IzgaraGorunumu : public QTreeView
{
public:
    explicit IzgaraGorunumu(Izgara::Impl &d, QWidget *parent)
        : QTreeView(parent)
        , d(d)
    { }

protected:
    void drawRow(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    Izgara::Impl &d;
};

class IzgaraBaslik : public QHeaderView
{
public:
    explicit IzgaraBaslik(Izgara::Impl &d, QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent)
        , d(d)
    { }
    QRect dugmeAlani(int sutun) const; // the filter mark of a section, in header coordinates

protected:
    void paintEvent(QPaintEvent *e) override;
    void paintSection(QPainter *p, const QRect &rect, int sutun) const override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    Izgara::Impl &d;
    bool m_dugmeBasildi = false;
    int m_uzerinde = -1; // the section under the mouse: its filter mark is drawn
};

class IzgaraAltBilgi : public QWidget
{
public:
    explicit IzgaraAltBilgi(Izgara::Impl &d, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    Izgara::Impl &d;
};
