// Stock status icons: one picture per known code, nothing for the others.
#include "app/common/durumsimgesi.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(DurumSimgesi, KnownCodesDrawDistinctPictures)
{
    QList<QImage> resimler;
    for (int kod : { 0, 1, 2, 3, 4, 5 }) {
        const QIcon simge = DurumSimgesi(kod);
        ASSERT_FALSE(simge.isNull()) << kod;
        const QImage resim = simge.pixmap(20, 20).toImage();
        ASSERT_FALSE(resim.isNull()) << kod;
        EXPECT_GT(resim.pixelColor(10, 2).alpha(), 0) << kod; // drawn, not an empty frame
        EXPECT_FALSE(resimler.contains(resim)) << kod;
        resimler.append(resim);
        EXPECT_FALSE(DurumAnlami(kod).isEmpty()) << kod;
    }
    EXPECT_EQ(DurumAnlami(5), "Tedarik Sürecinde");
    for (int kod : { -1, 6, 99 }) {
        EXPECT_TRUE(DurumSimgesi(kod).isNull()) << kod;
        EXPECT_TRUE(DurumAnlami(kod).isEmpty()) << kod;
    }
}
