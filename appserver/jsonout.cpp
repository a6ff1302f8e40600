#include "appserver/jsonout.h"

#include <charconv>
#include <cmath>

namespace appserver::jsonout {

namespace {

// Length of the valid UTF-8 sequence at s[i], 0 when it is not one.
size_t utf8Uzunluk(std::string_view s, size_t i)
{
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n;
    char32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k) {
        const unsigned char d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    const bool kisa = (n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF));
    return kisa || (cp >= 0xD800 && cp <= 0xDFFF) ? 0 : n;
}

} // namespace

void string(std::string &out, std::string_view s)
{
    static constexpr char hex[] = "0123456789abcdef";
    out.push_back('"');
    size_t run = 0; // start of the bytes that need no escape
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            if (const size_t n = utf8Uzunluk(s, i)) {
                i += n;
                continue;
            }
            // A stray byte would make the whole reply unreadable: U+FFFD instead.
            out.append(s.data() + run, i - run);
            out.append("\\ufffd");
            run = ++i;
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        out.append(s.data() + run, i - run);
        run = ++i;
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            out.append("\\u00");
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        }
    }
    out.append(s.data() + run, s.size() - run);
    out.push_back('"');
}

void number(std::string &out, double d)
{
    if (!std::isfinite(d)) {
        out.append("null");
        return;
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, d);
    out.append(buf, r.ptr);
}

void integer(std::string &out, long long v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

} // namespace appserver::jsonout
