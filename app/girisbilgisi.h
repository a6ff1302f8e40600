#pragma once
// The login's fetch of this workstation's session record, and the decision
// taken on it; both apart from the dialog so they can be tested alone.

#include "server/records/baglantiu.h"

#include <QString>

#include <functional>

class Connection;

// The client's own version; the server's record says which one it expects.
inline constexpr int ProgramVersiyonu = 6;

struct GirisSonucu
{
    bool dogrusonuc = false;
    TSonucBilgisi kayit; // the server's record with this machine's facts
    QString hataMetni; // the server's or the transport's error, when the call failed
};

// Worker thread: checks `baglanti` (a clone of the dialog's connection)
// without message, calls BuyukGetir(idsi), then overwrites the machine fields
// and asks the public address again. `devam` is handed to DisIpAl.
GirisSonucu GirisBilgisiAl(Connection &baglanti, const QString &idsi, const std::function<bool()> &devam = {});

enum class GirisKarari {
    BaglantiKurulamadi,
    YeniVersiyon,
    IstekFormu,
    Hatali, // wrong name or password, or an inactive account
    Kabul,
};

struct GirisKarariSonucu
{
    GirisKarari karar = GirisKarari::BaglantiKurulamadi;
    bool ayarKaydet = false; // name and password matched (also when inactive)
    bool cariSecimi = false; // accepted sales representative: the customer is chosen first
};

// In this order: no record, another version, unregistered workstation, exact
// name and password match with an active account.
GirisKarariSonucu GirisKarariVer(bool dogrusonuc, const TSonucBilgisi &kayit, const QString &adi, const QString &sifre);
