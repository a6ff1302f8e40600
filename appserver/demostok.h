#pragma once
// Demo stock items: parts, brands, vehicle models, codes and prices.

#include <SQLiteCpp/Database.h>

namespace appserver {

class DemoRastgele;

// Inserts the items 1..adet; every tenth or so gets one of the pictures 1..resimSayisi.
void demoStokYaz(SQLite::Database &db, DemoRastgele &r, int adet, int resimSayisi);

} // namespace appserver
