#pragma once
// The compound file container around one stream: version 3, 512-byte sectors,
// no mini stream (the stream is kept at 4,096 bytes or more), FAT sectors listed
// in the header and, past 109 of them, in DIFAT sectors.

#include <QByteArray>
#include <QString>

namespace BilesikDosya {

constexpr int baslikBoyu = 512;

// `dosya` holds baslikBoyu bytes of room for the header followed by the stream's
// bytes; pads the stream and appends the directory and the allocation tables.
void kapla(QByteArray &dosya, const QString &akisAdi);

} // namespace BilesikDosya
