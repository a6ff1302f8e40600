#pragma once
// Folding of search texts: upper case, Turkish (and other common Latin) letters
// reduced to their plain letters, so "yağ filtresi" and "YAG FILTRESI" meet.

#include <string>
#include <string_view>

namespace appserver {

// UTF-8 in, UTF-8 out; characters without a plain form pass unchanged.
std::string katla(std::string_view utf8);
// Leading and trailing blanks (space, tab, CR, LF) removed.
std::string_view kirp(std::string_view s);
// Number of characters (code points) of valid UTF-8.
size_t karakterSayisi(std::string_view utf8);

} // namespace appserver
