#pragma once
// The price preview of the add-to-basket dialog: what the line will roughly
// cost with its stacked discounts and VAT. Only shown, never sent; the server
// computes the stored line itself.

#include <array>

struct FiyatOnizleme
{
    double indirimTutari = 0; // gross minus net, not rounded
    double netTutar = 0; // net line amount, rounded to two decimals
    double netBirimFiyat = 0; // net amount per piece, rounded; 0 for no quantity
    double kdvDahilBirimFiyat = 0; // net unit price with VAT, rounded
    double genelTutar = 0; // VAT-inclusive unit price times the quantity, rounded
};

// P unit price, Q quantity, V VAT rate in percent; the discount rates apply in
// order, each to what the previous ones left; a rate of 0 or below is skipped.
FiyatOnizleme FiyatOnizlemeHesapla(double fiyat, int adet, double kdvOrani, const std::array<double, 4> &oranlar);
