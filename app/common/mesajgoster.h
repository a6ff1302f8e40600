#pragma once
// The message dialog through which the system speaks to the user, in Turkish.

#include <QList>
#include <QString>

class QWidget;

// Kinds 0..3; any other number gets neither a Turkish caption nor a sound.
enum MesajTuru : int { mtUyari = 0, mtHata = 1, mtBilgi = 2, mtSoru = 3 };

// Buttons, numbered 0..11 in this order.
enum class Dugme : int {
    Evet,
    Hayir,
    Tamam,
    Vazgec,
    Iptal,
    Tekrar,
    Atla,
    Tumu,
    TumuneHayir,
    TumuneEvet,
    Yardim,
    Kapat
};

// Shows the dialog modally, centred on its owner (the active window when null),
// with the focused button first in the tab order; returns the pressed button
// (Dugme::Vazgec when the dialog is closed without one). Called from a worker,
// it runs on the UI thread through the synchronous hand-over.
Dugme MesajGoster(const QString &metin, int tur, const QList<Dugme> &dugmeler, Dugme odak, QWidget *sahip = nullptr);

// The four combinations the system uses.
inline void HataGoster(const QString &metin, QWidget *sahip = nullptr)
{
    MesajGoster(metin, mtHata, { Dugme::Tamam }, Dugme::Tamam, sahip);
}
inline void UyariGoster(const QString &metin, QWidget *sahip = nullptr)
{
    MesajGoster(metin, mtUyari, { Dugme::Tamam }, Dugme::Tamam, sahip);
}
inline void BilgiGoster(const QString &metin, QWidget *sahip = nullptr)
{
    MesajGoster(metin, mtBilgi, { Dugme::Tamam }, Dugme::Tamam, sahip);
}
// Yes/No; odak says which is focused (Evet for expected actions, Hayir before deletions).
inline bool SoruSor(const QString &metin, Dugme odak, QWidget *sahip = nullptr)
{
    return MesajGoster(metin, mtSoru, { Dugme::Evet, Dugme::Hayir }, odak, sahip) == Dugme::Evet;
}

// The font size of message texts, set by the main window at creation.
void setMesajYaziBoyu(int piksel);

// Installs this dialog wherever the helpers below the screens need one (the
// connection check's failure message); the application calls it at start.
void MesajDiyaloguKur();
