#pragma once
// The stock search of the search bar and the page "Stok Listesi": the key
// filter and the 3-letter rule of the search edit, the search in the
// background, the stock grid with its columns, layouts and price summary, and
// the hand-overs of a row to the add-to-basket and order-movement windows.

#include "server/resulttable.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class Connection;
class Izgara;
class MesgulGosterge;
class QAction;
class QLineEdit;
class QMenu;
class QTabWidget;
class QToolButton;
class QWidget;
class SekmeYukleme;
struct TSonucBilgisi;

class StokListesi : public QObject
{
    Q_OBJECT

public:
    // The main window's controls the search uses; the grid is made on `sayfa`.
    struct Denetimler
    {
        QLineEdit *araedit = nullptr;
        QToolButton *SpeedButton2 = nullptr; // "Ara"
        QToolButton *SpeedButton1 = nullptr; // "Temizle"
        MesgulGosterge *gifstokara = nullptr;
        QTabWidget *sPageControl1 = nullptr;
        QWidget *sstoklistesi = nullptr;
    };

    StokListesi(Connection &bagc, TSonucBilgisi &sbilgi, Denetimler denetimler, QObject *parent = nullptr);
    ~StokListesi() override;

    // The search: Enter in araedit and "Ara". Ignored while a search runs.
    void Ara();
    // "Temizle". Ignored while a search runs.
    void Temizle();
    // After another customer is chosen: no rows, "0=Stok Listesi", the page active, the edit focused.
    void Bosalt();
    bool araniyor() const;

    // What the user kinds see of this grid.
    void KullaniciTipineUyarla(int musteriTipi);
    // Wide (above 1152) or narrow layout by the main window's width, then the weighted widths.
    void SutunDuzeni(int pencereGenisligi);
    bool genisDuzen() const { return m_genis; }

    // Hand-overs of the focused row (the table's cursor is on it): the add-to-basket
    // flow, and the order movements of the row's stock number. An empty one
    // leaves its menu entry disabled.
    void setSepeteEkle(std::function<void(ResultTable &stok, int satir)> f);
    void setSiparisleriGoster(std::function<void(int stokno)> f);

    // The price summary of a row, line by line, as the "Fiyat Bilgisi" cell shows it.
    static QString FiyatBilgisi(const ResultTable &stok, int satir, bool kampanyaFiyati = true);

    ResultTable stok;
    Izgara *cxGrid1 = nullptr;
    QMenu *popstok = nullptr;
    QAction *sepeteEkleEylemi = nullptr;
    QAction *siparisBakiyeleriEylemi = nullptr;
    QAction *siparisleriGosterEylemi = nullptr;

signals:
    // After each search, its failure message already answered.
    void aramaBitti(bool hata);

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    void grideKur();
    void satiriAc();
    void siparisleriGoster();
    void aramaBitir(bool hata);
    bool getir(); // worker
    void baslikYaz(const QString &baslik);

    Connection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    Denetimler m_d;
    SekmeYukleme *m_arama = nullptr;
    // Written on the UI thread before the worker starts, read by it.
    QString m_aranan;
    std::unique_ptr<TSonucBilgisi> m_bilgi;
    int m_musteriTipi = 0;
    bool m_genis = true;
    std::function<void(ResultTable &, int)> m_sepeteEkle;
    std::function<void(int)> m_siparisleriGoster;
};

// The search edit's key filter: Turkish letters typed become plain Latin ones
// ("ş" → "s", "ı" → "I", "İ" → "I"); any other character comes back unchanged.
QChar AramaHarfi(QChar c);
