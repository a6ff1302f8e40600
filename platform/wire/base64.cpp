#include "platform/wire/base64.h"

namespace wire {

std::string base64Encode(QByteArrayView bytes)
{
    return bytes.toByteArray().toBase64().toStdString();
}

std::optional<QByteArray> base64Decode(std::string_view text)
{
    auto r = QByteArray::fromBase64Encoding(QByteArray(text.data(), qsizetype(text.size())),
                                            QByteArray::AbortOnBase64DecodingErrors);
    if (!r)
        return std::nullopt;
    return std::move(*r);
}

} // namespace wire
