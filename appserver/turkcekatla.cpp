#include "appserver/turkcekatla.h"

namespace appserver {
namespace {

// Plain upper-case letter for a code point of Latin-1 or the Turkish letters of
// Latin Extended-A; 0 when there is none.
char duz(char32_t c)
{
    switch (c) {
    case U'ç':
    case U'Ç':
        return 'C';
    case U'ğ':
    case U'Ğ':
        return 'G';
    case U'ı':
    case U'İ':
    case U'î':
    case U'Î':
    case U'ì':
    case U'Ì':
    case U'í':
    case U'Í':
    case U'ï':
    case U'Ï':
        return 'I';
    case U'ö':
    case U'Ö':
    case U'ò':
    case U'Ò':
    case U'ó':
    case U'Ó':
    case U'ô':
    case U'Ô':
        return 'O';
    case U'ş':
    case U'Ş':
        return 'S';
    case U'ü':
    case U'Ü':
    case U'û':
    case U'Û':
    case U'ù':
    case U'Ù':
    case U'ú':
    case U'Ú':
        return 'U';
    case U'â':
    case U'Â':
    case U'à':
    case U'À':
    case U'á':
    case U'Á':
    case U'ä':
    case U'Ä':
        return 'A';
    case U'é':
    case U'É':
    case U'è':
    case U'È':
    case U'ê':
    case U'Ê':
    case U'ë':
    case U'Ë':
        return 'E';
    default:
        return 0;
    }
}

} // namespace

std::string katla(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out.push_back(b >= 'a' && b <= 'z' ? char(b - 32) : char(b));
            ++i;
            continue;
        }
        // Two-byte sequences hold every letter the table knows.
        if ((b & 0xE0) == 0xC0 && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = char32_t((b & 0x1F) << 6) | char32_t(static_cast<unsigned char>(s[i + 1]) & 0x3F);
            if (const char d = duz(c)) {
                out.push_back(d);
                i += 2;
                continue;
            }
        }
        out.push_back(char(b));
        ++i;
    }
    return out;
}

std::string_view kirp(std::string_view s)
{
    constexpr std::string_view bosluk = " \t\r\n";
    const size_t a = s.find_first_not_of(bosluk);
    if (a == std::string_view::npos)
        return {};
    const size_t z = s.find_last_not_of(bosluk);
    return s.substr(a, z - a + 1);
}

size_t karakterSayisi(std::string_view s)
{
    size_t n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace appserver
