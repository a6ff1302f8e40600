#pragma once
// The main window: owns the session record and the server connection, runs the
// login before it is ever shown, adapts itself to the user kind, and ends the
// program only after the user confirms.

#include "server/connection.h"
#include "server/records/baglantiu.h"
#include "server/resulttable.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class Izgara;
class MesgulGosterge;
class RozetliSekmeler;
class SepetSayfasi;
class StokListesi;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    // Runs FormCreate, the login included; returns only after a successful login.
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The login step: fills the session record, answers whether it succeeded.
    // Empty (the default) runs Tgirisform; tests put their own in.
    using GirisAdimi = std::function<bool(Connection &bagc, TSonucBilgisi &sbilgi)>;
    static void setGirisAdimi(GirisAdimi adim);

    void GirisYap();
    // Header labels from sbilgi. Any thread: the work is handed to the UI thread
    // synchronously, and skipped when the window is gone by then.
    static void AnaBilgiAl(const QPointer<TForm1> &pencere);
    void AnaBilgiAl() { AnaBilgiAl(QPointer<TForm1>(this)); }
    // What each user kind sees; later screens add their columns here.
    void KullaniciTipineUyarla(int musteriTipi);
    // The basket reload every add, change and order ends with.
    void SepetYenile();

    TSonucBilgisi sbilgi;
    Connection bagc;
    // The basket lines of the customer worked for (`SepetVer2`), shared by every add-to-basket entry.
    ResultTable sepet;
    // The stock search and the page "Stok Listesi" (its table `stok`, grid `cxGrid1`).
    StokListesi *stokListesi = nullptr;
    // The page "Sepet" on ssepet (grid `cxGrid2`, totals, the order panel); it shows the table `sepet`.
    SepetSayfasi *sepetSayfasi = nullptr;
    int _acilisadet = 0;
    bool _acilisgoruldu = false;

    QFrame *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *kullanicilbl = nullptr;
    QLabel *cariadilbl = nullptr;
    QLabel *saticilbl = nullptr;
    QLabel *RxGIFAnimator1 = nullptr;
    QToolButton *Button3 = nullptr;
    QMenu *Genelmenu = nullptr;
    QAction *M1 = nullptr;
    QAction *N4 = nullptr;
    QAction *websitesi = nullptr;
    QAction *G1 = nullptr;
    QAction *R1 = nullptr;

    QFrame *Panel2 = nullptr;
    QLineEdit *araedit = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QPushButton *musteritus = nullptr;
    MesgulGosterge *gifstokara = nullptr;
    MesgulGosterge *gifyeniler = nullptr;
    MesgulGosterge *gifkampanyali = nullptr;
    MesgulGosterge *gifduyuru = nullptr;
    MesgulGosterge *gifoncekiler = nullptr;
    MesgulGosterge *gifekstre = nullptr;

    QLabel *RxGIFAnimator2 = nullptr;
    RozetliSekmeler *sPageControl1 = nullptr;
    QWidget *sstoklistesi = nullptr;
    QWidget *ssepet = nullptr;
    QWidget *sonceki = nullptr;
    QWidget *sccariekstre = nullptr;
    QWidget *syeniler = nullptr;
    QWidget *skampanyali = nullptr;
    QWidget *sTabSheetduyuru = nullptr;
    QWidget *sTabbakiyeler = nullptr;

    QFrame *Panel3 = nullptr;
    QFrame *Panel5 = nullptr;
    QLabel *kayanyazi = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    // Exit on every path: Yes ends the process with 0, No changes nothing.
    bool FormCloseQuery();
    void webSitesiAc();
    void acilisYuku();
    void acilisYukuBitti();

    // The window's construction, top to bottom (tform1tasarim.cpp, tform1menu.cpp).
    void tasarimKur();
    void ustPanelKur(QVBoxLayout *dikey);
    void aramaCubuguKur(QVBoxLayout *dikey);
    void sekmeleriKur(QVBoxLayout *dikey);
    void durumAciklamasiKur(QVBoxLayout *dikey);
    void altSeritKur(QVBoxLayout *dikey);
    void menuKur();

    bool m_ilkGosterim = true;
    // The basket table is a member and goes before the child widgets (also when
    // the login ends the process inside the constructor): this, declared after
    // it, unbinds the basket grid first.
    struct IzgaraCozucu
    {
        Izgara *izgara = nullptr;
        ~IzgaraCozucu();
    } m_sepetIzgarasi;
};
