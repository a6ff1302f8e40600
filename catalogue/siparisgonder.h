#pragma once
// The order panel of the basket page: delivery kind, cargo kind and company,
// the note, and "Gönder", which confirms the choices in TONAYSIP and asks the
// server to turn the ticked basket lines into an order.

#include "server/resulttable.h"

#include <QObject>
#include <QString>

#include <functional>

class Connection;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
struct TSonucBilgisi;

// The confirmation summary: seven lines joined by "\r\n", prefixes padded to 11 characters.
QString SiparisOzeti(const QString &kullanici, const QString &cari, const QString &teslim, const QString &kargoTuru,
                     const QString &tutar, const QString &kargoFirmasi, const QString &aciklama);

class SiparisGonder : public QObject
{
    Q_OBJECT

public:
    struct Baglam
    {
        Connection *bagc = nullptr;
        TSonucBilgisi *sbilgi = nullptr;
        ResultTable *sepet = nullptr;
        QLabel *geneltoplaml = nullptr; // the grand total as displayed
        std::function<bool()> sepetYenile;
        std::function<void()> excelKaydet;
    };

    // Builds the panel on `panel`; `toplamAlani` goes into the group "Mesaj" beside the note.
    SiparisGonder(Baglam baglam, QWidget *panel, QWidget *toplamAlani, QObject *parent = nullptr);
    ~SiparisGonder() override;

    // TeslimVer and KargoVer into the two radio groups; the second delivery kind is preselected.
    void TurleriYukle();
    // A cargo kind clicked: its companies into `kargo` and kargocombo.
    void KargoTuruSecildi();
    // The shown company's UYARI into uyarikargo.
    void KargoFirmasiSecildi();
    void Gonder();

    // Ids and texts of the selections; -1 / empty when none.
    int teslimId() const;
    int kargoTuruId() const;

    ResultTable kargo;
    QGroupBox *teslimbox = nullptr;
    QButtonGroup *teslimGrubu = nullptr;
    QGroupBox *boxkargo = nullptr;
    QButtonGroup *kargoGrubu = nullptr;
    QGroupBox *kargoKutusu = nullptr;
    QComboBox *kargocombo = nullptr;
    QLabel *uyarikargo = nullptr;
    QGroupBox *mesajKutusu = nullptr;
    QPlainTextEdit *aciklamagir = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *excelDugmesi = nullptr;

private:
    static void grubuDoldur(QGroupBox *kutu, QButtonGroup *grup, const ResultTable &satirlar);
    QString kargoSutunu(int satir, QStringView ad) const;
    int kargoSatiri(const QString &adi) const; // -1 when none

    Baglam m_b;
    QWidget *m_panel;
};
