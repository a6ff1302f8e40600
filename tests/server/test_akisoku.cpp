// The stream rule: 1024-byte blocks, content only when it matches the out size.
#include "server/akisoku.h"

#include <QBuffer>

#include <gtest/gtest.h>

TEST(AkisOku, ContentOnlyWhenTheLengthMatchesTheOutSize)
{
    struct Case
    {
        qint64 length;
        qint64 boy;
        bool content;
    };
    const Case cases[] = {
        { 3072, 3072, true }, // exact multiple of 1024: the last read gives 0
        { 1024, 1024, true },  { 1500, 1500, true }, { 1, 1, true }, { 3071, 3072, false }, // one byte short
        { 3073, 3072, false }, // one byte more
        { 0, 0, false }, // out size 0: no content
        { 10, 0, false },      { 10, -1, false },
    };
    for (const Case &k : cases) {
        QByteArray bytes(k.length, Qt::Uninitialized);
        for (qint64 i = 0; i < k.length; ++i)
            bytes[i] = char(i * 7 + 3);
        QBuffer b(&bytes);
        b.open(QIODevice::ReadOnly);
        b.seek(b.size()); // rewound by the helper
        const auto r = AkisOku(&b, k.boy);
        ASSERT_EQ(r.has_value(), k.content) << k.length << " " << k.boy;
        if (r) {
            EXPECT_EQ(*r, bytes);
        }
    }
    EXPECT_FALSE(AkisOku(nullptr, 5));
}
