// tarnevooto-makineid: prints this workstation's machine identifier, the one
// the program sends at login, so it can be registered on the server.
#include "app/common/makine.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication uygulama(argc, argv);
    const QString kimlik = BilgisayarIdAl();
    if (kimlik.isEmpty()) {
        std::fputs("Makine kimliği bulunamadı.\n", stderr);
        return 1;
    }
    std::printf("%s\n", kimlik.toUtf8().constData());
    return 0;
}
