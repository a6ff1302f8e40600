// The program: style, main window (the login runs inside its creation), event loop.
#include "app/common/mesajgoster.h"
#include "app/gorunum.h"
#include "app/tform1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication uygulama(argc, argv);
    // The window's font for every window, also under the style sheet, which
    // resolves the fonts of its widgets against the application's.
    uygulama.setFont(PencereYazisi());
    GorunumUygula(uygulama);
    MesajDiyaloguKur();
    TForm1 pencere;
    pencere.showMaximized();
    return uygulama.exec();
}
