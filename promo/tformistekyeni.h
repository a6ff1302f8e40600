#pragma once
// The web-form window: a page of the wholesaler's web server in an embedded
// browser, and "Kapat". The opener sets the caption and the address.

#include <QDialog>

class QPushButton;
class QWebEngineView;

class Tformistekyeni : public QDialog
{
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget *parent = nullptr);
    ~Tformistekyeni() override;

    void Git(const QString &adres); // navigates the browser
    const QString &adres() const { return m_adres; }

    QWebEngineView *sitem = nullptr;
    QPushButton *Kapat = nullptr;

protected:
    void showEvent(QShowEvent *e) override;

private:
    QString m_adres; // the last address asked for
};

// Creates the window with its caption, navigates to `adres` and shows it modally.
void WebFormuAc(const QString &baslik, const QString &adres, QWidget *sahip = nullptr);
