#pragma once
// Streams and byte cells travel as base64 (RFC 4648, with padding).

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <string>
#include <string_view>

namespace wire {

std::string base64Encode(QByteArrayView bytes);
// nullopt when the text is not valid base64.
std::optional<QByteArray> base64Decode(std::string_view text);

} // namespace wire
