#include "app/common/mesajgoster.h"

#include "app/common/async.h"
#include "app/common/baglantikontrol.h"
#include "app/common/sistemsesi.h"

#include <QApplication>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <atomic>

namespace {

std::atomic<int> yaziBoyu { 15 };

struct DugmeTanimi
{
    const char *yazi;
    QMessageBox::ButtonRole rol;
};

// Indexed by Dugme.
constexpr DugmeTanimi dugmeTanimlari[] = {
    { "Evet", QMessageBox::YesRole },        { "Hayır", QMessageBox::NoRole },
    { "Tamam", QMessageBox::AcceptRole },    { "Vazgeç", QMessageBox::RejectRole },
    { "İptal", QMessageBox::RejectRole },    { "Tekrar", QMessageBox::AcceptRole },
    { "Atla", QMessageBox::AcceptRole },     { "Tümü", QMessageBox::YesRole },
    { "Tümüne Hayır", QMessageBox::NoRole }, { "Tümüne Evet", QMessageBox::YesRole },
    { "Yardım", QMessageBox::ActionRole },   { "Kapat", QMessageBox::RejectRole },
};

QString baslik(int tur)
{
    switch (tur) {
    case mtUyari:
        return QStringLiteral("Uyarı");
    case mtHata:
        return QStringLiteral("Hata");
    case mtBilgi:
        return QStringLiteral("Bilgi");
    case mtSoru:
        return QStringLiteral("Soru");
    default:
        return {};
    }
}

QMessageBox::Icon simge(int tur)
{
    switch (tur) {
    case mtUyari:
        return QMessageBox::Warning;
    case mtHata:
        return QMessageBox::Critical;
    case mtBilgi:
        return QMessageBox::Information;
    case mtSoru:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

Dugme MesajGoster(const QString &metin, int tur, const QList<Dugme> &dugmeler, Dugme odak, QWidget *sahip)
{
    if (QCoreApplication::instance() && QThread::currentThread() != QCoreApplication::instance()->thread()) {
        // A worker must not build widgets: the dialog runs on the UI thread while the worker waits.
        Dugme sonuc = Dugme::Vazgec;
        UIdaCalistir([&] { sonuc = MesajGoster(metin, tur, dugmeler, odak, sahip); });
        return sonuc;
    }
    if (!sahip)
        sahip = QApplication::activeWindow();
    // Made for one use; a parent centres it on its owner.
    QMessageBox kutu(simge(tur), baslik(tur), metin, QMessageBox::NoButton, sahip);
    QFont yazi = kutu.font();
    yazi.setPixelSize(yaziBoyu.load());
    kutu.setFont(yazi);

    QHash<QAbstractButton *, Dugme> hangisi;
    QList<QPushButton *> sira;
    QPushButton *odakDugmesi = nullptr;
    for (Dugme d : dugmeler) {
        const int i = static_cast<int>(d);
        // Unknown numbers and repeats are left out rather than shown twice.
        if (i < 0 || i >= int(std::size(dugmeTanimlari)) || hangisi.values().contains(d))
            continue;
        QPushButton *b = kutu.addButton(QString::fromUtf8(dugmeTanimlari[i].yazi), dugmeTanimlari[i].rol);
        hangisi.insert(b, d);
        if (d == odak)
            odakDugmesi = b;
        else
            sira.append(b);
    }
    if (hangisi.isEmpty()) {
        // An empty set would still get a button from the box, one we could not name.
        QPushButton *b = kutu.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
        hangisi.insert(b, Dugme::Tamam);
        odakDugmesi = b;
    }
    if (odakDugmesi) {
        sira.prepend(odakDugmesi);
        kutu.setDefaultButton(odakDugmesi);
    }
    for (qsizetype i = 1; i < sira.size(); ++i)
        QWidget::setTabOrder(sira[i - 1], sira[i]);

    SistemSesiCal(tur);
    kutu.exec();
    return hangisi.value(kutu.clickedButton(), Dugme::Vazgec);
}

void setMesajYaziBoyu(int piksel)
{
    if (piksel > 0)
        yaziBoyu = piksel;
}

void MesajDiyaloguKur()
{
    baglantikontrol::setMesajGoster([](const QString &metin) { HataGoster(metin); });
}
