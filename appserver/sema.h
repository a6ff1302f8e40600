#pragma once
// The database layout of the reference server.

namespace SQLite {
class Database;
}

namespace appserver {

// Creates every table in an empty database.
void semaKur(SQLite::Database &db);
// Tables added after the first release, for a database seeded before them.
void semaTamamla(SQLite::Database &db);
// Fills the substring index of the stock items after a bulk load.
void aramaDiziniKur(SQLite::Database &db);

} // namespace appserver
