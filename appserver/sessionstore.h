#pragma once
// Handshake sessions: opaque random ids, forgotten after an idle time, at most a
// fixed number kept (the least recently used go first). Safe for many threads.

#include <chrono>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>

namespace appserver {

class SessionStore
{
public:
    SessionStore(std::chrono::milliseconds idle, size_t cap);

    std::string create();
    // True when the session is known and not expired; refreshes its idle time.
    bool touch(const std::string &id);
    size_t size() const;

private:
    using Clock = std::chrono::steady_clock;
    struct Entry
    {
        std::string id;
        Clock::time_point used;
    };
    void dropExpired(Clock::time_point now);

    const std::chrono::milliseconds m_idle;
    const size_t m_cap;
    mutable std::mutex m_mutex;
    std::list<Entry> m_order; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> m_index;
};

} // namespace appserver
