#pragma once
// What the server methods need from a database. The SQLite back end implements
// it; another back end only has to implement this interface. Table results come
// back already written in the protocol's table form (the hot path builds no DOM).

#include "appserver/tutar.h"

#include <optional>
#include <string>

namespace appserver {

struct Kullanici
{
    int sirano = 0;
    std::string adi, sifre, mail;
    int aktif = 0;
    int tip = 1; // 1, 2 sales representatives; 3, 4 dealers
    int carino = 0; // a dealer's own customer
    int temsilcino = 0; // a representative's own record
};

struct Cari
{
    int carino = 0;
    std::string kod, adi, sehir;
    int temsilcino = 0;
    int indirimGrubu = 0;
};

struct Temsilci
{
    int no = 0;
    std::string adi, mail, telefon;
};

// One add or change of a basket line, with the amounts already checked.
struct SepetGirdisi
{
    int carino = 0;
    int stokno = 0;
    double miktar = 0;
    double fiyat = 0;
    double kdv = 0;
    Oranlar oranlar {};
    int verenid = 0;
    std::string veren;
    int tarih = 0; // days since 1899-12-30
    std::string saat;
};

struct SiparisGirdisi
{
    int carino = 0;
    int teslim = 0;
    int kargo = 0; // cargo kind
    int kargoFirma = 0; // company of that kind
    std::string aciklama;
    int verenid = 0;
    int tarih = 0;
    std::string saat;
};

class Storage
{
public:
    virtual ~Storage() = default;

    virtual std::optional<int> istasyonKullanicisi(const std::string &makineId) = 0;
    virtual std::optional<Kullanici> kullanici(int sirano) = 0;
    virtual std::optional<Cari> cari(int carino) = 0;
    virtual std::optional<Temsilci> temsilci(int no) = 0;
    // Registers (or moves) a workstation; false when there is no such user name.
    virtual bool istasyonKaydet(const std::string &makineId, const std::string &kullaniciAdi) = 0;

    // Folded, trimmed search text; prices for the customer's discount group.
    virtual std::string stokAra(const std::string &katli, int carino) = 0;
    virtual std::string sepet(int carino) = 0;
    // 1 when stored; 0 for an unknown item. An item already in the basket gets
    // the quantity added to its line.
    virtual int sepetEkle(const SepetGirdisi &g) = 0;
    // 1 when the line of that customer existed and was recomputed, else 0.
    virtual int sepetGuncelle(int sepetSirano, const SepetGirdisi &g) = 0;
    virtual int sepetSatirSil(int carino, int sirano) = 0;
    virtual int sepetBosalt(int carino) = 0;
    virtual void sepetSecim(int sirano, int secim) = 0;

    virtual std::string teslimTurleri() = 0;
    virtual std::string kargoTurleri() = 0;
    virtual std::string kargoFirmalari(int kargoTuru) = 0;
    // The ticked lines of the customer's basket become one order; false when
    // none is ticked or an id is unknown.
    virtual bool siparisKaydet(const SiparisGirdisi &g) = 0;

    // JPEG bytes of the item's picture; empty when it has none.
    virtual std::string resim(int stokno) = 0;
};

} // namespace appserver
