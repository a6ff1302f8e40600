#pragma once
// The handlers of the order road: login record, stock search and pictures,
// basket, delivery and cargo choices, order.

namespace appserver {

class YontemKatalogu;

void girisYontemleri(YontemKatalogu &k); // BuyukGetir, StokAraGetir, ResimVer5
void sepetYontemleri(YontemKatalogu &k); // basket, overdue warning, choices, SiparisKaydet

} // namespace appserver
