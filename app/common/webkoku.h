#pragma once
// The wholesaler's web addresses the login and the download use: the
// deployment's roots, which tests point at their own server.

#include <QString>

#include <string>

QString WebKoku(); // ends with "/"
void setWebKoku(const QString &kok); // empty restores the deployment's
QString GuncellemeKoku(); // ends with "/"
void setGuncellemeKoku(const QString &kok);

// An address split for the HTTP client: "scheme://host:port" and the
// percent-encoded path with its query ("/" when empty).
struct HttpHedef
{
    std::string sunucu;
    std::string yol;
};
HttpHedef HttpHedefAyir(const QString &adres);
