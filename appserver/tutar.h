#pragma once
// Money arithmetic of basket lines and price columns.

#include <array>
#include <string>

namespace appserver {

using Oranlar = std::array<double, 4>; // up to four stacked discount rates, percent

// Two decimals, halves away from zero, decided on the number's 15-digit decimal
// form so that 256.49999999999997 (256.5 after float noise) rounds like 256.5.
double ikiHane(double x);
// Each rate above 0 applies, in order, to what the previous ones left.
double indirimli(double tutar, const Oranlar &oranlar);
// The rates above 0 as "10+5"; empty when there are none.
std::string indirimYazisi(const Oranlar &oranlar);

struct SatirTutari
{
    double tutar = 0; // gross: price × quantity
    double indirimTutar = 0; // gross − net
    double netTutar = 0; // after the discounts
    double netBirimFiyat = 0; // net / quantity
    double vergiTutari = 0; // VAT of the net amount
};

SatirTutari satirHesapla(double fiyat, double miktar, const Oranlar &oranlar, double kdv);

// What a customer pays for an item before VAT: a campaign item its campaign
// price without discounts, any other item its list price with the rates of the
// customer's discount group for the item's class.
struct KalemFiyati
{
    double fiyat = 0;
    Oranlar oranlar {};
};
KalemFiyati kalemFiyati(bool kampanyali, double listeFiyati, double kampanyaFiyati, const Oranlar &grupOranlari);

// Turkish money text: "12.345,67".
std::string tlBicimle(double tutar);

} // namespace appserver
