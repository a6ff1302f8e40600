#pragma once
// A small pool of SQLite connections, one per server thread at a time, each with
// its own cache of prepared statements.

#include <SQLiteCpp/Database.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

struct sqlite3_stmt;

namespace appserver {

// A cached prepared statement, reset and unbound when handed out.
class Sorgu
{
public:
    explicit Sorgu(sqlite3_stmt *st)
        : m_st(st)
    { }
    Sorgu(Sorgu &&o) noexcept
        : m_st(std::exchange(o.m_st, nullptr))
    { }
    Sorgu(const Sorgu &) = delete;
    Sorgu &operator=(const Sorgu &) = delete;
    ~Sorgu(); // resets, so no read stays open once the caller is done
    Sorgu &bind(int i, long long v);
    Sorgu &bind(int i, int v) { return bind(i, static_cast<long long>(v)); }
    Sorgu &bind(int i, double v);
    Sorgu &bind(int i, std::string_view v);
    // True while there is a row; throws on an error.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    long long integer(int i) const;
    double number(int i) const;
    std::string text(int i) const;
    sqlite3_stmt *handle() const { return m_st; }

private:
    sqlite3_stmt *m_st;
};

class SqliteBaglanti
{
public:
    explicit SqliteBaglanti(const std::string &path);
    ~SqliteBaglanti();
    SQLite::Database &db() { return m_db; }
    // The statement for this SQL text (a string literal: its address is the key).
    Sorgu sorgu(const char *sql);

private:
    SQLite::Database m_db;
    std::unordered_map<const char *, sqlite3_stmt *> m_cache;
};

class SqlitePool
{
public:
    SqlitePool(std::string path, size_t max);

    class Kira
    {
    public:
        Kira(SqlitePool *pool, std::unique_ptr<SqliteBaglanti> b);
        Kira(Kira &&) = default;
        ~Kira();
        SqliteBaglanti *operator->() { return m_b.get(); }
        SqliteBaglanti &operator*() { return *m_b; }

    private:
        SqlitePool *m_pool;
        std::unique_ptr<SqliteBaglanti> m_b;
    };

    Kira al();

private:
    void birak(std::unique_ptr<SqliteBaglanti> b);

    const std::string m_path;
    const size_t m_max;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<std::unique_ptr<SqliteBaglanti>> m_bos;
    size_t m_acik = 0;
};

} // namespace appserver
