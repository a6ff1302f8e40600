#include "promo/webmotoru.h"

#include <QByteArray>
#include <QtGlobal>

#include <unistd.h>

void WebMotoruHazirla()
{
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
}
