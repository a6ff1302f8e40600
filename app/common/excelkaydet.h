#pragma once
// The "Excel Kaydet" step of the screens: a save dialog for one spreadsheet
// file, the ".xls" extension enforced, the export, and a failure shown in the
// application's general error display.

#include "platform/grid/izgara.h"

#include <QFileDialog>
#include <QString>

#include <functional>

class QWidget;

// ".xls" in place of the file name's extension, or appended when it has none.
// Only the last path component counts: "a.b/rapor" becomes "a.b/rapor.xls"; a
// leading dot ("belgeler/.gizli") marks a hidden name, not an extension.
QString XlsUzantisi(const QString &dosyaAdi);

// Asks for the file and calls `yaz` with the path; nothing on cancel. An error
// escaping `yaz` (XlsHatasi and the like) goes to GenelHataRaporu.
void ExcelKaydet(QWidget *ebeveyn, const std::function<void(const QString &yol)> &yaz);
// The same for a grid: its whole view.
inline void ExcelKaydet(QWidget *ebeveyn, const Izgara &izgara)
{
    ExcelKaydet(ebeveyn, [&izgara](const QString &yol) { izgara.xlsYaz(yol); });
}

// The save dialog: starts in the documents folder with the filter given; an
// empty answer is a cancel. `secenekler` for tests (DontUseNativeDialog).
QString KayitYoluSorDiyalogla(QWidget *ebeveyn, const QString &filtre, QFileDialog::Options secenekler = {});
// Replaces the dialog, for tests; an empty function restores it.
void setKayitYoluSor(std::function<QString(QWidget *, const QString &filtre)> sor);
