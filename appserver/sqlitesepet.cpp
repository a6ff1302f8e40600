// Baskets and orders.
#include "appserver/sqlitestorage.h"

#include "appserver/tablewriter.h"

#include <SQLiteCpp/Transaction.h>

namespace appserver {
namespace {

using wire::ColumnType;

const std::vector<TableColumn> &sepetKolonlari()
{
    static const std::vector<TableColumn> k {
        { "SIRANO", ColumnType::Int32 },
        { "CARINO", ColumnType::Int32 },
        { "STOKNO", ColumnType::Int32 },
        { "STOK_STOKNO", ColumnType::Int32 },
        { "SEC", ColumnType::Int32 },
        { "VERILISTARIHI", ColumnType::Date },
        { "TARIH", ColumnType::Date },
        { "SAAT", ColumnType::String, 8 },
        { "BARKOD", ColumnType::String, 30 },
        { "STOKADI", ColumnType::String, 100 },
        { "MARKA", ColumnType::String, 30 },
        { "MODEL", ColumnType::String, 60 },
        { "FINISHKOD", ColumnType::String, 30 },
        { "OEMNO", ColumnType::String, 30 },
        { "OEM1", ColumnType::String, 30 },
        { "OEM2", ColumnType::String, 30 },
        { "OEM3", ColumnType::String, 30 },
        { "OEM4", ColumnType::String, 30 },
        { "DIGERADI", ColumnType::String, 100 },
        { "DPKOD", ColumnType::String, 10 },
        { "PKOD", ColumnType::String, 10 },
        { "ANAGRUP", ColumnType::String, 30 },
        { "OZELKOD", ColumnType::String, 30 },
        { "URETICIKODU", ColumnType::String, 30 },
        { "MIKTAR", ColumnType::Double },
        { "BIRIMFIYAT", ColumnType::Double },
        { "KDV", ColumnType::Double },
        { "INDIRIMORANI1", ColumnType::Double },
        { "INDIRIMORANI2", ColumnType::Double },
        { "INDIRIMORANI3", ColumnType::Double },
        { "INDIRIMORANI4", ColumnType::Double },
        { "INDIRIMYAZI", ColumnType::String, 30 },
        { "TUTAR", ColumnType::Double },
        { "INDIRIMTUTAR", ColumnType::Double },
        { "VERGITUTARI", ColumnType::Double },
        { "NETBIRIMFIYAT", ColumnType::Double },
        { "NETTUTAR", ColumnType::Double },
        { "KUR", ColumnType::String, 5 },
        { "KURTL", ColumnType::Double },
        { "VEREN", ColumnType::String, 40 },
        { "VERENIDNO", ColumnType::Int32 },
        { "VERENSIRANO", ColumnType::Int32 },
        { "DURUM", ColumnType::Int32 },
        { "KALAN", ColumnType::Double },
        { "SIPARISNO", ColumnType::Int32 },
        { "ACIKLAMA", ColumnType::String, 250 },
        { "AKTAR", ColumnType::Int32 },
        { "TESLIMID", ColumnType::Int32 },
        { "KARGOID", ColumnType::Int32 },
        { "IDNO", ColumnType::Int32 },
        { "CARIKOD", ColumnType::String, 30 },
        { "CARIADI", ColumnType::String, 100 },
    };
    return k;
}

// The item's VAT and what the customer pays for it; nothing for an unknown item or customer.
struct KalemVerisi
{
    double kdv = 0;
    KalemFiyati fiyat;
};

std::optional<KalemVerisi> kalemVerisi(SqliteBaglanti &b, int stokno, int carino)
{
    auto q = b.sorgu("SELECT s.kampanya, s.kdv, s.listefiyat, s.kampfiyat, ifnull(i.ind1, 0), ifnull(i.ind2, 0), "
                     "ifnull(i.ind3, 0), ifnull(i.ind4, 0) FROM stok s JOIN cari c ON c.carino = ?2 "
                     "LEFT JOIN indirim i ON i.grup = c.indirimgrubu AND i.sinif = s.indsinif WHERE s.stokno = ?1");
    q.bind(1, stokno).bind(2, carino);
    if (!q.step())
        return std::nullopt;
    Oranlar grup {};
    for (int i = 0; i < 4; ++i)
        grup[size_t(i)] = q.number(4 + i);
    return KalemVerisi { q.number(1), kalemFiyati(q.integer(0) > 0, q.number(2), q.number(3), grup) };
}

// Stores the line's amounts, computed here so they always fit the quantity.
void tutarlariBagla(Sorgu &q, const KalemVerisi &k, double fiyat, double miktar, const SepetGirdisi &g)
{
    const Oranlar &oranlar = k.fiyat.oranlar;
    const SatirTutari t = satirHesapla(fiyat, miktar, oranlar, k.kdv);
    q.bind(1, miktar).bind(2, fiyat).bind(3, k.kdv);
    for (int i = 0; i < 4; ++i)
        q.bind(4 + i, oranlar[size_t(i)]);
    q.bind(8, indirimYazisi(oranlar)).bind(9, t.tutar).bind(10, t.indirimTutar).bind(11, t.vergiTutari);
    q.bind(12, t.netBirimFiyat).bind(13, t.netTutar).bind(14, g.verenid).bind(15, g.veren);
}

bool varMi(SqliteBaglanti &b, const char *sql, int a, int c = 0)
{
    auto q = b.sorgu(sql);
    q.bind(1, a);
    if (c)
        q.bind(2, c);
    return q.step();
}

} // namespace

std::string SqliteStorage::sepet(int carino)
{
    auto b = m_pool.al();
    auto q = b->sorgu(
        "SELECT b.sirano, b.carino, b.stokno, b.stokno, b.sec, b.tarih, b.tarih, b.saat, s.barkod, s.adi, s.marka, "
        "s.model, s.finishkod, s.oemno, s.oem1, s.oem2, s.oem3, s.oem4, s.digeradi, s.dpkod, s.pkod, s.anagrup, "
        "s.ozelkod, s.ureticikodu, b.miktar, b.birimfiyat, b.kdv, b.ind1, b.ind2, b.ind3, b.ind4, b.indirimyazi, "
        "b.tutar, b.indirimtutar, b.vergitutari, b.netbirimfiyat, b.nettutar, 'TL', 1.0, b.veren, b.verenid, "
        "b.verenid, s.durum, s.kalan, 0, b.aciklama, 0, 0, 0, b.sirano, c.kod, c.adi "
        "FROM sepet b JOIN stok s ON s.stokno = b.stokno JOIN cari c ON c.carino = b.carino "
        "WHERE b.carino = ?1 ORDER BY b.sirano");
    q.bind(1, carino);
    return tableFromStatement(sepetKolonlari(), q.handle());
}

int SqliteStorage::sepetEkle(const SepetGirdisi &g)
{
    auto b = m_pool.al();
    SQLite::Transaction t(b->db(), SQLite::TransactionBehavior::IMMEDIATE);
    const auto k = kalemVerisi(*b, g.stokno, g.carino);
    if (!k)
        return 0;
    long long mevcut = 0;
    double eski = 0;
    {
        auto q = b->sorgu("SELECT sirano, miktar FROM sepet WHERE carino = ?1 AND stokno = ?2 ORDER BY sirano LIMIT 1");
        q.bind(1, g.carino).bind(2, g.stokno);
        if (q.step()) {
            mevcut = q.integer(0);
            eski = q.number(1);
        }
    }
    if (mevcut) {
        // The same item again: one line with the quantities added, ticked.
        auto q = b->sorgu("UPDATE sepet SET miktar = ?1, birimfiyat = ?2, kdv = ?3, ind1 = ?4, ind2 = ?5, ind3 = ?6, "
                          "ind4 = ?7, indirimyazi = ?8, tutar = ?9, indirimtutar = ?10, vergitutari = ?11, "
                          "netbirimfiyat = ?12, nettutar = ?13, verenid = ?14, veren = ?15, sec = 1 "
                          "WHERE sirano = ?16");
        tutarlariBagla(q, *k, k->fiyat.fiyat, eski + g.miktar, g);
        q.bind(16, mevcut).run();
    } else {
        auto q = b->sorgu("INSERT INTO sepet(miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, indirimyazi, tutar, "
                          "indirimtutar, vergitutari, netbirimfiyat, nettutar, verenid, veren, carino, stokno, tarih, "
                          "saat, sec) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, "
                          "?17, ?18, ?19, 1)");
        tutarlariBagla(q, *k, k->fiyat.fiyat, g.miktar, g);
        q.bind(16, g.carino).bind(17, g.stokno).bind(18, g.tarih).bind(19, g.saat).run();
    }
    t.commit();
    return 1;
}

int SqliteStorage::sepetGuncelle(int sepetSirano, const SepetGirdisi &g)
{
    auto b = m_pool.al();
    SQLite::Transaction t(b->db(), SQLite::TransactionBehavior::IMMEDIATE);
    int stokno = 0;
    {
        auto q = b->sorgu("SELECT stokno FROM sepet WHERE sirano = ?1 AND carino = ?2");
        q.bind(1, sepetSirano).bind(2, g.carino);
        if (!q.step())
            return 0; // not a line of this customer's basket
        stokno = int(q.integer(0));
    }
    const auto k = kalemVerisi(*b, stokno, g.carino);
    if (!k)
        return 0;
    auto q = b->sorgu("UPDATE sepet SET miktar = ?1, birimfiyat = ?2, kdv = ?3, ind1 = ?4, ind2 = ?5, ind3 = ?6, "
                      "ind4 = ?7, indirimyazi = ?8, tutar = ?9, indirimtutar = ?10, vergitutari = ?11, "
                      "netbirimfiyat = ?12, nettutar = ?13, verenid = ?14, veren = ?15 "
                      "WHERE sirano = ?16");
    tutarlariBagla(q, *k, g.fiyat.value_or(k->fiyat.fiyat), g.miktar, g);
    q.bind(16, sepetSirano).run();
    t.commit();
    return 1;
}

int SqliteStorage::sepetSatirSil(int carino, int sirano)
{
    auto b = m_pool.al();
    SQLite::Transaction t(b->db(), SQLite::TransactionBehavior::IMMEDIATE);
    b->sorgu("DELETE FROM sepet WHERE sirano = ?1 AND carino = ?2").bind(1, sirano).bind(2, carino).run();
    const int silinen = b->db().getChanges();
    t.commit();
    return silinen > 0 ? 1 : 0;
}

int SqliteStorage::sepetBosalt(int carino)
{
    auto b = m_pool.al();
    SQLite::Transaction t(b->db(), SQLite::TransactionBehavior::IMMEDIATE);
    b->sorgu("DELETE FROM sepet WHERE carino = ?1").bind(1, carino).run();
    const int silinen = b->db().getChanges();
    t.commit();
    return silinen > 0 ? 1 : 0;
}

void SqliteStorage::sepetSecim(int sirano, int secim)
{
    auto b = m_pool.al();
    SQLite::Transaction t(b->db(), SQLite::TransactionBehavior::IMMEDIATE);
    b->sorgu("UPDATE sepet SET sec = ?1 WHERE sirano = ?2").bind(1, secim ? 1 : 0).bind(2, sirano).run();
    t.commit();
}

bool SqliteStorage::siparisKaydet(const SiparisGirdisi &g)
{
    auto b = m_pool.al();
    SQLite::Transaction t(b->db(), SQLite::TransactionBehavior::IMMEDIATE);
    if (!varMi(*b, "SELECT 1 FROM teslim WHERE id = ?1", g.teslim)
        || !varMi(*b, "SELECT 1 FROM kargo_firma WHERE sirano = ?1 AND tur = ?2", g.kargoFirma, g.kargo)
        || !varMi(*b, "SELECT 1 FROM sepet WHERE carino = ?1 AND sec = 1", g.carino))
        return false;
    b->sorgu("INSERT INTO siparis(carino, tarih, saat, teslim, kargo, kargofirma, aciklama, verenid) "
             "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")
        .bind(1, g.carino)
        .bind(2, g.tarih)
        .bind(3, g.saat)
        .bind(4, g.teslim)
        .bind(5, g.kargo)
        .bind(6, g.kargoFirma)
        .bind(7, g.aciklama)
        .bind(8, g.verenid)
        .run();
    const long long siparis = b->db().getLastInsertRowid();
    b->sorgu("INSERT INTO siparis_satir(siparis, sepetsirano, stokno, barkod, stokadi, marka, model, finishkod, oemno, "
             "miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, indirimyazi, tutar, indirimtutar, vergitutari, "
             "netbirimfiyat, nettutar, tarih, saat, verenid, veren) "
             "SELECT ?1, b.sirano, b.stokno, s.barkod, s.adi, s.marka, s.model, s.finishkod, s.oemno, b.miktar, "
             "b.birimfiyat, b.kdv, b.ind1, b.ind2, b.ind3, b.ind4, b.indirimyazi, b.tutar, b.indirimtutar, "
             "b.vergitutari, b.netbirimfiyat, b.nettutar, b.tarih, b.saat, b.verenid, b.veren "
             "FROM sepet b JOIN stok s ON s.stokno = b.stokno WHERE b.carino = ?2 AND b.sec = 1 ORDER BY b.sirano")
        .bind(1, siparis)
        .bind(2, g.carino)
        .run();
    b->sorgu("DELETE FROM sepet WHERE carino = ?1 AND sec = 1").bind(1, g.carino).run();
    t.commit();
    return true;
}

} // namespace appserver
