#include "appserver/sqlitestorage.h"

#include "appserver/sema.h"
#include "appserver/tablewriter.h"

#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

namespace appserver {

using wire::ColumnType;

SqliteStorage::SqliteStorage(const std::string &path, size_t connections)
    : m_pool(path, connections)
{
    auto b = m_pool.al(); // fails now, not at the first call, when the file cannot be opened
    semaTamamla(b->db());
}

std::optional<int> SqliteStorage::istasyonKullanicisi(const std::string &makineId)
{
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT kullanici FROM istasyon WHERE makineid = ?1");
    q.bind(1, makineId);
    if (!q.step())
        return std::nullopt;
    return int(q.integer(0));
}

std::optional<Kullanici> SqliteStorage::kullanici(int sirano)
{
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT sirano, adi, sifre, mail, aktif, tip, ifnull(carino, 0), ifnull(temsilcino, 0) "
                      "FROM kullanici WHERE sirano = ?1");
    q.bind(1, sirano);
    if (!q.step())
        return std::nullopt;
    return Kullanici { int(q.integer(0)), q.text(1),         q.text(2),         q.text(3),
                       int(q.integer(4)), int(q.integer(5)), int(q.integer(6)), int(q.integer(7)) };
}

std::optional<Cari> SqliteStorage::cari(int carino)
{
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT carino, kod, adi, sehir, temsilcino, indirimgrubu FROM cari WHERE carino = ?1");
    q.bind(1, carino);
    if (!q.step())
        return std::nullopt;
    return Cari { int(q.integer(0)), q.text(1), q.text(2), q.text(3), int(q.integer(4)), int(q.integer(5)) };
}

std::optional<Temsilci> SqliteStorage::temsilci(int no)
{
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT no, adi, mail, telefon FROM temsilci WHERE no = ?1");
    q.bind(1, no);
    if (!q.step())
        return std::nullopt;
    return Temsilci { int(q.integer(0)), q.text(1), q.text(2), q.text(3) };
}

bool SqliteStorage::istasyonKaydet(const std::string &makineId, const std::string &kullaniciAdi)
{
    auto b = m_pool.al();
    SQLite::Transaction t(b->db(), SQLite::TransactionBehavior::IMMEDIATE);
    long long sirano = 0;
    {
        auto q = b->sorgu("SELECT sirano FROM kullanici WHERE adi = ?1");
        q.bind(1, kullaniciAdi);
        if (!q.step())
            return false;
        sirano = q.integer(0);
    }
    b->sorgu("INSERT INTO istasyon(makineid, kullanici) VALUES(?1, ?2) "
             "ON CONFLICT(makineid) DO UPDATE SET kullanici = excluded.kullanici")
        .bind(1, makineId)
        .bind(2, sirano)
        .run();
    t.commit();
    return true;
}

std::string SqliteStorage::teslimTurleri()
{
    static const std::vector<TableColumn> kolonlar { { "ID", ColumnType::Int32 }, { "ADI", ColumnType::String, 60 } };
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT id, adi FROM teslim ORDER BY id");
    return tableFromStatement(kolonlar, q.handle());
}

std::string SqliteStorage::kargoTurleri()
{
    static const std::vector<TableColumn> kolonlar { { "ID", ColumnType::Int32 }, { "ADI", ColumnType::String, 60 } };
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT id, adi FROM kargo_turu ORDER BY id");
    return tableFromStatement(kolonlar, q.handle());
}

std::string SqliteStorage::kargoFirmalari(int kargoTuru)
{
    static const std::vector<TableColumn> kolonlar { { "SIRANO", ColumnType::Int32 },
                                                     { "ADI", ColumnType::String, 60 },
                                                     { "UYARI", ColumnType::String, 250 } };
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT sirano, adi, uyari FROM kargo_firma WHERE tur = ?1 ORDER BY sirano");
    q.bind(1, kargoTuru);
    return tableFromStatement(kolonlar, q.handle());
}

std::string SqliteStorage::resim(int stokno)
{
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT r.jpeg FROM stok s JOIN resim r ON r.no = s.resimno WHERE s.stokno = ?1");
    q.bind(1, stokno);
    if (!q.step())
        return {};
    const auto *p = static_cast<const char *>(sqlite3_column_blob(q.handle(), 0));
    return p ? std::string(p, size_t(sqlite3_column_bytes(q.handle(), 0))) : std::string();
}

std::optional<VadesiGecmis> SqliteStorage::vadesiGecmis(int carino, int bugun)
{
    auto b = m_pool.al();
    auto q = b->sorgu("SELECT ifnull(sum(kalan), 0), ifnull(min(vade), 0) FROM acik_fatura "
                      "WHERE carino = ?1 AND vade < ?2 AND kalan > 0");
    q.bind(1, carino).bind(2, bugun);
    if (!q.step() || !(q.number(0) > 0))
        return std::nullopt;
    return VadesiGecmis { q.number(0), int(q.integer(1)) };
}

} // namespace appserver
