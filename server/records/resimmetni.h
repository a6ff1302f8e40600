#pragma once
// The picture text of the start-screen records: two hexadecimal digits per byte,
// most significant first; a last single digit is a byte of its own.

#include <QByteArray>
#include <QStringView>

#include <optional>

// nullopt when the text holds a character that is no hexadecimal digit.
std::optional<QByteArray> ResimMetniCoz(QStringView metin);
