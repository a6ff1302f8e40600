#pragma once
// The forced new-version download: the setup program is fetched, saved in
// the local application-data folder, started silently, and the program ends.

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QLabel;
class QProgressBar;
struct IndirmeSonucu;

class Tdosyaindir : public QDialog
{
    Q_OBJECT
public:
    // Yeni: the announcement with the server's and the program's versions.
    Tdosyaindir(QWidget *sahip, int sunucuVersiyonu);
    ~Tdosyaindir() override;

    QLabel *sLabel1 = nullptr;
    QLabel *bilgi = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    bool basladi = false;
    QString adres; // the update download address

    // The local application-data folder + "TarnevoOtoSetup.exe".
    static QString HedefDosya();

    // Starts the saved setup program; false when it could not be started.
    using Baslatici = std::function<bool(const QString &dosya, const QStringList &argumanlar)>;
    // For tests; empty restores making the file executable and starting it detached.
    static void setBaslatici(Baslatici baslatici);

    void FormActivate();
    void NetHTTPClient1ReceiveData(qint64 boy, qint64 okunan);
    // Shows the failure and ends the process.
    [[noreturn]] void NetHTTPClient1RequestError(const QString &hata);

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void reject() override;

private:
    void indirmeBitti(const IndirmeSonucu &sonuc);
    void kaydetVeBaslat(const IndirmeSonucu &sonuc);
};
