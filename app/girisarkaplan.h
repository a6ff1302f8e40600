#pragma once
// The login dialog's background: a drawn picture with the firm's name, its
// product lines and its telephone and fax numbers.

#include <QWidget>

class GirisArkaPlan : public QWidget
{
    Q_OBJECT
public:
    explicit GirisArkaPlan(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;
};
