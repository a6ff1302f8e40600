#pragma once
// The page "Sepet": the basket grid with its ticks, footer and context menu,
// the totals of the ticked lines, the overdue-balance warning, and the order
// panel below it (SiparisGonder).

#include <QObject>
#include <QString>

class Connection;
class Izgara;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;
class ResultTable;
class SiparisGonder;
struct TSonucBilgisi;

// The five totals of the ticked lines (SEC = 1), each step rounded to two decimals.
struct SepetToplamlari
{
    double toplam = 0; // TUTAR
    double indirim = 0; // INDIRIMTUTAR
    double araToplam = 0; // toplam - indirim
    double vergi = 0; // VERGITUTARI
    double genelToplam = 0; // araToplam + vergi
};
SepetToplamlari SepetToplamiHesapla(const ResultTable &sepet);

class SepetSayfasi : public QObject
{
    Q_OBJECT

public:
    // The main window's controls the page uses; everything is built on `ssepet`.
    struct Denetimler
    {
        QLineEdit *araedit = nullptr;
        QTabWidget *sPageControl1 = nullptr;
        QWidget *ssepet = nullptr;
    };

    SepetSayfasi(Connection &bagc, TSonucBilgisi &sbilgi, ResultTable &sepet, Denetimler denetimler,
                 QObject *parent = nullptr);
    ~SepetSayfasi() override;

    // Reload from the server on a copy of the connection, then caption and totals.
    // False when the connection could not be opened or the call failed (the table as it was).
    bool SepetYenile();
    // Each time the page becomes the current one: the overdue warning in the
    // background, the basket reload, the delivery and cargo kinds.
    void SayfaGosterildi();
    void ToplamlariGoster();

    // Tick of one line by table row: flips SEC and stores it on the server.
    void SecimDegistir(int satir);
    void HepsiniSec() { hepsiniIsaretle(1); }
    void SecimleriKaldir() { hepsiniIsaretle(0); }
    // Double-click and "Satır Değiştir": the tick in "Seç", the change flow elsewhere.
    void SatirDegistir();
    void SatirSil();
    void HepsiniSil();

    void KullaniciTipineUyarla(int musteriTipi);
    // Weighted widths above 1152 px of window width, else best fit.
    void SutunDuzeni(int pencereGenisligi);

    Izgara *cxGrid2 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *satirDegistirEylemi = nullptr;
    QAction *satirSilEylemi = nullptr;
    QAction *hepsiniSilEylemi = nullptr;
    QPushButton *hepsiniSecDugmesi = nullptr;
    QPushButton *secimleriKaldirDugmesi = nullptr;
    QLabel *lbluyarbakiye = nullptr;
    QWidget *toplamAlani = nullptr;
    QLabel *aratoplaml = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *indiriml = nullptr;
    QLabel *nettutarl = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *vergil = nullptr;
    QLabel *geneltoplaml = nullptr;
    SiparisGonder *siparis = nullptr;

private:
    void sayfayiKur();
    void gridiKur();
    QWidget *toplamAlaniniKur(QWidget *ebeveyn);
    void hepsiniIsaretle(int deger);
    // SepetSecimGuncelle on its own copy of the connection; false when it was not stored.
    bool secimGonder(int sirano, int deger);
    // After a tick that was not stored: the message once, and the server's ticks
    // on one plain attempt (no retries), so the screen never shows a tick the server lacks.
    void secimHatasi();
    void uyariBak();
    void baslikYaz();
    void aramaOdagi();

    Connection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    ResultTable &m_sepet;
    Denetimler m_d;
};
