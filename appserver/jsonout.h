#pragma once
// Appending JSON values to a text buffer, for replies written without a DOM.

#include <string>
#include <string_view>

namespace appserver::jsonout {

// A JSON string with its quotes; UTF-8 passes through, control characters are escaped.
void string(std::string &out, std::string_view s);
// Shortest form that reads back to the same double; null for NaN or infinity.
void number(std::string &out, double d);
void integer(std::string &out, long long v);

inline std::string quoted(std::string_view s)
{
    std::string r;
    string(r, s);
    return r;
}

} // namespace appserver::jsonout
