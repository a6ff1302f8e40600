#include "appserver/sessionstore.h"

#include <random>

namespace appserver {
namespace {

std::string randomId()
{
    static thread_local std::mt19937_64 gen { [] {
        std::random_device rd;
        std::seed_seq seq { rd(), rd(), rd(), rd(), rd(), rd(), rd(), rd() };
        return std::mt19937_64(seq);
    }() };
    static constexpr char hex[] = "0123456789abcdef";
    std::string id;
    for (int w = 0; w < 2; ++w) {
        std::uint64_t v = gen();
        for (int i = 0; i < 16; ++i, v >>= 4)
            id.push_back(hex[v & 15]);
    }
    return id;
}

} // namespace

SessionStore::SessionStore(std::chrono::milliseconds idle, size_t cap)
    : m_idle(idle)
    , m_cap(cap > 0 ? cap : 1)
{ }

std::string SessionStore::create()
{
    const auto now = Clock::now();
    std::lock_guard lock(m_mutex);
    dropExpired(now);
    while (m_order.size() >= m_cap) {
        m_index.erase(m_order.back().id);
        m_order.pop_back();
    }
    std::string id;
    do
        id = randomId();
    while (m_index.count(id));
    m_order.push_front({ id, now });
    m_index.emplace(id, m_order.begin());
    return id;
}

bool SessionStore::touch(const std::string &id)
{
    const auto now = Clock::now();
    std::lock_guard lock(m_mutex);
    const auto it = m_index.find(id);
    if (it == m_index.end())
        return false;
    if (now - it->second->used > m_idle) {
        m_order.erase(it->second);
        m_index.erase(it);
        return false;
    }
    it->second->used = now;
    m_order.splice(m_order.begin(), m_order, it->second);
    return true;
}

size_t SessionStore::size() const
{
    std::lock_guard lock(m_mutex);
    return m_order.size();
}

void SessionStore::dropExpired(Clock::time_point now)
{
    while (!m_order.empty() && now - m_order.back().used > m_idle) {
        m_index.erase(m_order.back().id);
        m_order.pop_back();
    }
}

} // namespace appserver
