#pragma once
// Reading a stream result: every caller of a stream method goes through this.

#include <QByteArray>

#include <optional>

class QIODevice;

// Rewinds the stream and reads it in 1024-byte blocks until a read gives fewer
// than 1024. The content counts only when its length equals the out size the
// method announced; an out size of 0 means no content. A mismatch is dropped
// silently (nullopt), as is a null stream.
std::optional<QByteArray> AkisOku(QIODevice *akis, qint64 boy);
