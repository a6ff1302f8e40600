#pragma once
// The order confirmation: the summary of the choices and the question, "Evet" or "Hayır".

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TONAYSIP : public QDialog
{
    Q_OBJECT

public:
    explicit TONAYSIP(QWidget *parent = nullptr);

    // The summary lines ("\r\n" or "\n" between them).
    void setOzet(const QString &ozet);

    QFrame *Panel1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr; // "Evet"
    QPushButton *Button2 = nullptr; // "Hayır"

protected:
    void showEvent(QShowEvent *event) override;
};
