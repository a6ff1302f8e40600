#pragma once
// The settings file "ayar.ini": the last user name and password, and whether
// they are put back into the login fields at the next start.

#include <QString>

#include <optional>

struct Ayarlar
{
    QString isim;
    QString sifre;
    bool hatirla = true;
};

// "ayar.ini" in the per-user settings folder.
QString AyarDosyasiYolu();

// Empty when the file does not exist or cannot be read; missing keys take
// their defaults (empty texts, "hatırla" true).
std::optional<Ayarlar> AyarDosyasiOku(const QString &yol);

// Section "kullanici", keys "isim", "sifre", "hatırla" ("1"/"0"), written as
// UTF-8 bytes and readable by the owner only. False when it cannot be written.
bool AyarDosyasiYaz(const QString &yol, const Ayarlar &ayar);
