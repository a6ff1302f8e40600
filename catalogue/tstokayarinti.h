#pragma once
// The add-to-basket dialog: the item's identity and picture, the quantity and
// a preview of the line's amounts. The opener fills it, shows it modally and
// reads it back; it makes no remote call of its own.

#include <QDialog>
#include <QPixmap>

#include <chrono>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class Tstokayarinti : public QDialog
{
public:
    explicit Tstokayarinti(QWidget *parent = nullptr);
    ~Tstokayarinti() override;

    // Item texts.
    QLabel *barkod;
    QLabel *adi;
    QLabel *finishkod;
    QLabel *marka;
    QLabel *model;
    // Picture area: the company logo until a stock picture arrives.
    QLabel *Image1;
    QSpinBox *adet;
    QLabel *Label2; // caption of birimfiyat
    QLineEdit *birimfiyat;
    QLabel *indirimoran; // caption of indtutar, set by the opener
    QLineEdit *indtutar;
    QLineEdit *kdvdahiltutar;
    QLineEdit *geneltutar;
    QPushButton *ParcaliTus1; // "Sipariş ekle"
    QPushButton *ParcaliTus2; // "Vazgeç"

    double kdvoran = 0;
    double ind1 = 0, ind2 = 0, ind3 = 0, ind4 = 0;
    int _stokno = 0;

    // The unit price as the field holds it (0 for text that is no amount).
    double birimFiyatDegeri() const;
    void setBirimFiyat(double fiyat);
    // Only representatives may type a price, and never for a campaign item.
    void setFiyatDuzenlenir(bool duzenlenir);

    // Recomputes the three preview fields from price, quantity and rates.
    void Hesapla();

    // Shows a picture instead of what is there; false (nothing changes) when
    // the bytes are no image.
    bool resimGoster(const QByteArray &veri, const char *bicim = nullptr);

    // The picture request made each time the dialog becomes active.
    static constexpr std::chrono::seconds resimBaglanmaSuresi { 3 };
    static constexpr std::chrono::seconds resimOkumaSuresi { 10 };
    static constexpr int resimEnAzBoy = 1200; // shorter bodies are error pages, not pictures

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;
    void showEvent(QShowEvent *e) override;

private:
    void etkinlesti();
    void webResmiIste();
};

// The placeholder the picture area shows first.
QPixmap StokResmiYeriTutucu(const QSize &boy);
