#include "appserver/sqlitepool.h"

#include <sqlite3.h>

#include <stdexcept>

namespace appserver {
namespace {

[[noreturn]] void hata(sqlite3_stmt *st)
{
    throw std::runtime_error(std::string("Veritabanı hatası: ") + sqlite3_errmsg(sqlite3_db_handle(st)));
}

} // namespace

Sorgu::~Sorgu()
{
    if (m_st)
        sqlite3_reset(m_st);
}

Sorgu &Sorgu::bind(int i, long long v)
{
    if (sqlite3_bind_int64(m_st, i, v) != SQLITE_OK)
        hata(m_st);
    return *this;
}

Sorgu &Sorgu::bind(int i, double v)
{
    if (sqlite3_bind_double(m_st, i, v) != SQLITE_OK)
        hata(m_st);
    return *this;
}

Sorgu &Sorgu::bind(int i, std::string_view v)
{
    if (sqlite3_bind_text(m_st, i, v.data(), int(v.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        hata(m_st);
    return *this;
}

bool Sorgu::step()
{
    const int rc = sqlite3_step(m_st);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        hata(m_st);
    return false;
}

void Sorgu::run()
{
    while (step()) { }
}

long long Sorgu::integer(int i) const
{
    return sqlite3_column_int64(m_st, i);
}

double Sorgu::number(int i) const
{
    return sqlite3_column_double(m_st, i);
}

std::string Sorgu::text(int i) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_st, i));
    return p ? std::string(p, size_t(sqlite3_column_bytes(m_st, i))) : std::string();
}

SqliteBaglanti::SqliteBaglanti(const std::string &path)
    : m_db(path, SQLite::OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, 5000) // one thread at a time: no locking per call
{
    // Memory-mapped reads spare a system call per page on the search path.
    m_db.exec("PRAGMA foreign_keys=ON; PRAGMA synchronous=NORMAL; PRAGMA mmap_size=1073741824; "
              "PRAGMA cache_size=-16384;");
}

SqliteBaglanti::~SqliteBaglanti()
{
    for (auto &[sql, st] : m_cache)
        sqlite3_finalize(st);
}

Sorgu SqliteBaglanti::sorgu(const char *sql)
{
    auto it = m_cache.find(sql);
    if (it == m_cache.end()) {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v3(m_db.getHandle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("Veritabanı hatası: ") + sqlite3_errmsg(m_db.getHandle()));
        it = m_cache.emplace(sql, st).first;
    }
    sqlite3_reset(it->second);
    sqlite3_clear_bindings(it->second);
    return Sorgu(it->second);
}

SqlitePool::SqlitePool(std::string path, size_t max)
    : m_path(std::move(path))
    , m_max(max > 0 ? max : 1)
{ }

SqlitePool::Kira::Kira(SqlitePool *pool, std::unique_ptr<SqliteBaglanti> b)
    : m_pool(pool)
    , m_b(std::move(b))
{ }

SqlitePool::Kira::~Kira()
{
    if (m_b)
        m_pool->birak(std::move(m_b));
}

SqlitePool::Kira SqlitePool::al()
{
    std::unique_lock lock(m_mutex);
    m_cv.wait(lock, [this] { return !m_bos.empty() || m_acik < m_max; });
    if (!m_bos.empty()) {
        auto b = std::move(m_bos.back());
        m_bos.pop_back();
        return Kira(this, std::move(b));
    }
    ++m_acik;
    lock.unlock();
    try {
        return Kira(this, std::make_unique<SqliteBaglanti>(m_path));
    } catch (...) {
        std::lock_guard again(m_mutex);
        --m_acik;
        m_cv.notify_one();
        throw;
    }
}

void SqlitePool::birak(std::unique_ptr<SqliteBaglanti> b)
{
    {
        std::lock_guard lock(m_mutex);
        m_bos.push_back(std::move(b));
    }
    m_cv.notify_one();
}

} // namespace appserver
