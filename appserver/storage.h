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

// One add or change of a basket line. The amounts are the server's: the unit
// price, VAT and discount rates come from the item and the customer's discount
// group, never from the caller, except a representative's own unit price.
struct SepetGirdisi
{
    int carino = 0;
    int stokno = 0; // adds only; a change names its line
    double miktar = 0;
    std::optional<double> fiyat; // a representative's unit price for a change
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

// The customer's open invoice amounts whose due date has passed.
struct VadesiGecmis
{
    double tutar = 0;
    int enEskiVade = 0; // days since 1899-12-30
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
    // 1 when stored; 0 for an unknown item or customer. An item already in the
    // basket gets the quantity added to its line.
    virtual int sepetEkle(const SepetGirdisi &g) = 0;
    // 1 when the line is in that customer's basket and was recomputed, else 0.
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
    // Nothing when no open amount of the customer is past its due date on that day.
    virtual std::optional<VadesiGecmis> vadesiGecmis(int carino, int bugun) = 0;
};

} // namespace appserver
