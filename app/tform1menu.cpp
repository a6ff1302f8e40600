// The general menu of the main window.
#include "app/tform1.h"

#include <QAction>
#include <QMenu>

void TForm1::menuKur()
{
    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    auto giris = [this](const char *ad, const QString &metin) {
        QAction *a = Genelmenu->addAction(metin);
        a->setObjectName(QString::fromLatin1(ad));
        return a;
    };
    // The mail and request forms open from here once they exist.
    M1 = giris("M1", QStringLiteral("Mail Gönder"));
    Genelmenu->addSeparator();
    N4 = giris("N4", QStringLiteral("Şifre Değiştirme İsteği"));
    Genelmenu->addSeparator();
    websitesi = giris("websitesi", QString()); // the site's host name, set at creation
    connect(websitesi, &QAction::triggered, this, &TForm1::webSitesiAc);
    Genelmenu->addSeparator();
    G1 = giris("G1", QStringLiteral("Çıkış"));
    connect(G1, &QAction::triggered, this, &QWidget::close);
    Genelmenu->addSeparator();
    R1 = giris("R1", QStringLiteral("Raporlar"));
    R1->setVisible(false);
}
