// tarnevooto-server: the reference application server.
#include "appserver/komutsatiri.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // image plugins for the demo pictures
    return appserver::komutSatiri(argc, argv);
}
