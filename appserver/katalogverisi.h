#pragma once
// The catalogue as data, read by YontemKatalogu.

#include <vector>

namespace appserver {

const std::vector<const char *> &katalogSatirlari();
// Methods the client never calls; their parameters are not known here.
const std::vector<const char *> &imzasizYontemler();

} // namespace appserver
