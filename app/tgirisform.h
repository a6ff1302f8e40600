#pragma once
// The login dialog: remembered credentials, the public address, the session
// record of this workstation, and the decision.

#include <QDialog>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class Connection;
struct TSonucBilgisi;
struct GirisSonucu;
class QCheckBox;
class QLineEdit;
class QPushButton;
class MesgulGosterge;

class Tgirisform : public QDialog
{
    Q_OBJECT
public:
    explicit Tgirisform(QWidget *parent = nullptr);
    ~Tgirisform() override;

    // Given before showing: the main window's connection and session record,
    // which the login fills in place.
    Connection *bagim = nullptr;
    TSonucBilgisi *Bilgim = nullptr;

    QString idsi; // this workstation's machine identifier
    bool dogrusonuc = false;

    QLineEdit *adi = nullptr;
    QLineEdit *sifre = nullptr;
    QCheckBox *benihatirla = nullptr;
    QPushButton *Button1 = nullptr; // "Giriş"
    QPushButton *Button2 = nullptr; // "Vazgeç"
    MesgulGosterge *RxGIFAnimator1 = nullptr;

    void AyarOku();
    void AyarKaydet();
    void Button1Click();
    void Button2Click();
    void GirisBaslat(const QString &disIp);
    void Devamet();
    // True when a customer was chosen; the process ends otherwise.
    bool CariSecimiAc();
    void YeniVersiyonIndir();
    void IstekFormuAc(const QString &webKoku);

    // The customer selection arrives with the representatives' desk; until
    // then, and in tests, it is this function (empty: nothing chosen).
    static void setCariSecimi(std::function<bool(Tgirisform &)> secim);
    // For tests: replaces opening the request web form (caption, address).
    static void setIstekFormu(std::function<void(const QString &, const QString &)> ac);

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override;
    void showEvent(QShowEvent *e) override;

private:
    void FormCreate();
    bool adiKeyDown();
    bool sifreKeyDown();
    void karar(const GirisSonucu &sonuc);
    void tekrarDene();

    // Set when the dialog is gone or given up: the public-address retries stop.
    std::shared_ptr<std::atomic_bool> m_iptal = std::make_shared<std::atomic_bool>(false);
};
