#pragma once
// The program's visual style "tarnevooto" and the main window's default font.

#include <QFont>

class QApplication;

// Fusion with the style sheet from the resources. Returns false and leaves the
// default look when the sheet cannot be read; nothing is reported.
bool GorunumUygula(QApplication &uygulama, const QString &kaynak = QStringLiteral(":/tarnevooto/tarnevooto.qss"));

// Makes the style sheet and the logo of the resources reachable (a static library's
// resources are linked only on request); called by both users, once is enough.
void GorunumKaynaklariniYukle();

// Bold 13 px, DejaVu Sans where installed, else the next family that is.
QFont PencereYazisi();
