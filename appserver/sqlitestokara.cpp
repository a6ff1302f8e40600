// Stock search: the hot path. Rows go from the statement straight into the reply text.
#include "appserver/sqlitestorage.h"

#include "appserver/tablewriter.h"
#include "appserver/turkcekatla.h"
#include "appserver/tutar.h"

#include <sqlite3.h>

#include <stdexcept>

namespace appserver {
namespace {

using wire::ColumnType;

// Statement column 0 holds the item's first 23 cells, already written (the
// stored column satir); the prices of the customer follow.
#define STOK_SECIM                                                                                                     \
    "SELECT s.satir, s.kampanya, s.kdv, s.listefiyat, s.kampfiyat, "                                                   \
    "ifnull(i.ind1, 0), ifnull(i.ind2, 0), ifnull(i.ind3, 0), ifnull(i.ind4, 0), "                                     \
    "s.kalan, s.alinansiparis, s.verilensiparis "

constexpr int hazirHucre = 23;

const char *const aramaIndeksle
    = STOK_SECIM "FROM stok_ara JOIN stok s ON s.stokno = stok_ara.rowid "
                 "LEFT JOIN indirim i ON i.grup = ?2 AND i.sinif = s.indsinif "
                 "WHERE stok_ara MATCH ?1 AND instr(s.arama, ?3) > 0 ORDER BY stok_ara.rowid";

// Too short for trigrams: a plain scan, still parameterised.
const char *const aramaTarama = STOK_SECIM "FROM stok s LEFT JOIN indirim i ON i.grup = ?2 AND i.sinif = s.indsinif "
                                           "WHERE instr(s.arama, ?1) > 0 ORDER BY s.stokno";

const std::vector<TableColumn> &stokKolonlari()
{
    static const std::vector<TableColumn> k {
        { "STOK_STOKNO", ColumnType::Int32 },
        { "BARKOD", ColumnType::String, 30 },
        { "ADI", ColumnType::String, 100 },
        { "MARKA", ColumnType::String, 30 },
        { "MODEL", ColumnType::String, 60 },
        { "FINISHKOD", ColumnType::String, 30 },
        { "OEMNO", ColumnType::String, 30 },
        { "OEM1", ColumnType::String, 30 },
        { "OEM2", ColumnType::String, 30 },
        { "OEM3", ColumnType::String, 30 },
        { "OEM4", ColumnType::String, 30 },
        { "URETICIKODU", ColumnType::String, 30 },
        { "DIGERADI", ColumnType::String, 100 },
        { "DPKOD", ColumnType::String, 10 },
        { "PKOD", ColumnType::String, 10 },
        { "BIRIM", ColumnType::String, 10 },
        { "ANAGRUP", ColumnType::String, 30 },
        { "OZELKOD", ColumnType::String, 30 },
        { "BARKOD_BARKODNO", ColumnType::Int32 },
        { "DURUM", ColumnType::Int32 },
        { "RESIM", ColumnType::Int32 },
        { "Y", ColumnType::Int32 },
        { "K", ColumnType::Int32 },
        { "KDV", ColumnType::Double },
        { "FIYAT", ColumnType::Double },
        { "LISTEFIYAT1", ColumnType::Double },
        { "KAMPFIYAT", ColumnType::Double },
        { "NETFIYAT", ColumnType::Double },
        { "KDVDAHIL", ColumnType::Double },
        { "IND1", ColumnType::Double },
        { "IND2", ColumnType::Double },
        { "IND3", ColumnType::Double },
        { "IND4", ColumnType::Double },
        { "INDIRIMYAZI", ColumnType::String, 30 },
        { "KALAN", ColumnType::Double },
        { "ALINANSIPARIS", ColumnType::Double },
        { "VERILENSIPARIS", ColumnType::Double },
    };
    return k;
}

// The text's trigrams as an FTS5 AND query, each a quoted string (inside quotes
// only the quote itself needs doubling). A dozen narrow the rows enough; the
// substring check of the statement decides.
std::string ftsIfadesi(const std::string &metin)
{
    std::vector<size_t> bas; // start of each character
    for (size_t i = 0; i < metin.size(); ++i)
        if ((static_cast<unsigned char>(metin[i]) & 0xC0) != 0x80)
            bas.push_back(i);
    bas.push_back(metin.size());
    std::string q;
    for (size_t k = 0; k + 3 < bas.size() && k < 12; ++k) {
        if (!q.empty())
            q.append(" AND ");
        q.push_back('"');
        for (size_t i = bas[k]; i < bas[k + 3]; ++i) {
            if (metin[i] == '"')
                q.push_back('"');
            q.push_back(metin[i]);
        }
        q.push_back('"');
    }
    return q;
}

void satirYaz(TableWriter &w, sqlite3_stmt *st)
{
    w.beginRow();
    const auto *hazir = reinterpret_cast<const char *>(sqlite3_column_text(st, 0));
    const int boy = sqlite3_column_bytes(st, 0);
    if (!hazir || boy < 2 || hazir[0] != '[' || hazir[boy - 1] != ']')
        throw std::runtime_error("stok satırı bozuk");
    w.preformatted(std::string_view(hazir + 1, size_t(boy - 2)), hazirHucre);
    const bool kampanyali = sqlite3_column_int(st, 1) > 0;
    const double kdv = sqlite3_column_double(st, 2);
    const double liste = sqlite3_column_double(st, 3);
    const double kamp = sqlite3_column_double(st, 4);
    Oranlar grup {};
    for (int i = 0; i < 4; ++i)
        grup[size_t(i)] = sqlite3_column_double(st, 5 + i);
    const auto [fiyat, oranlar] = kalemFiyati(kampanyali, liste, kamp, grup);
    const double net = ikiHane(indirimli(fiyat, oranlar));
    w.number(kdv);
    w.number(fiyat);
    w.number(liste);
    w.number(kamp);
    w.number(net);
    w.number(ikiHane(net * (1 + kdv / 100)));
    for (const double r : oranlar)
        w.number(r);
    w.text(indirimYazisi(oranlar));
    w.fromStatement(st, 9, 3);
    w.endRow();
}

} // namespace

std::string SqliteStorage::stokAra(const std::string &katli, int carino)
{
    auto b = m_pool.al();
    int grup = 0;
    {
        auto q = b->sorgu("SELECT indirimgrubu FROM cari WHERE carino = ?1");
        q.bind(1, carino);
        if (q.step())
            grup = int(q.integer(0));
    }
    TableWriter w(stokKolonlari(), 1 << 16);
    if (katli.empty())
        return w.finish(); // an empty text matches nothing rather than everything
    const bool kisa = karakterSayisi(katli) < 3;
    auto q = b->sorgu(kisa ? aramaTarama : aramaIndeksle);
    q.bind(1, kisa ? katli : ftsIfadesi(katli));
    q.bind(2, grup);
    if (!kisa)
        q.bind(3, katli);
    while (q.step())
        satirYaz(w, q.handle());
    return w.finish();
}

} // namespace appserver
