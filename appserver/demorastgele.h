#pragma once
// A small generator whose sequence depends on nothing but the seed (the standard
// distributions differ between libraries).

#include <cstdint>
#include <vector>

namespace appserver {

class DemoRastgele
{
public:
    explicit DemoRastgele(std::uint64_t seed)
        : m_s(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E5ull)
    { }
    std::uint64_t sonraki()
    {
        std::uint64_t z = (m_s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int alt(int n) { return int(sonraki() % std::uint64_t(n)); } // 0..n-1
    bool yuzde(int p) { return alt(100) < p; }
    template<class T> const T &sec(const std::vector<T> &v) { return v[size_t(alt(int(v.size())))]; }

private:
    std::uint64_t m_s;
};

} // namespace appserver
