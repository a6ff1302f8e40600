#pragma once
// Who a session record speaks for. The record is believed only when its user
// exists, is active, still has the password the record carries, and the
// record's machine is registered to that user.
//
// Customers: a dealer (kinds 3, 4) acts only for his own customer; a sales
// representative (kinds 1, 2) acts for the customers assigned to him, that is
// those whose representative is the user's own representative record.

#include "appserver/storage.h"

#include "server/records/baglantiu.h"

namespace appserver {

// Throws RpcError (EServerError, Turkish text) when the record is not believed.
Kullanici dogrulanmisKullanici(Storage &s, const TSonucBilgisi *kayit);
bool cariyeErisir(Storage &s, const Kullanici &k, int carino);
// Both checks; throws when the user may not act for the customer.
Kullanici cariIcinYetki(Storage &s, const TSonucBilgisi *kayit, int carino);
// The user named as giver of a change must be the record's own user.
void verenDogrula(const Kullanici &k, int verenid);

} // namespace appserver
