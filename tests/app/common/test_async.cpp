// Background calls and hand-overs: which thread runs what, in which order.
#include "app/common/async.h"
#include "app/common/surec.h"
#include "support/modalyanit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

class AsyncTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setGenelHataRaporu([this](const QString &metin) {
            raporlar << metin;
            olaylar << QStringLiteral("rapor");
        });
    }
    void TearDown() override { setGenelHataRaporu({}); }

    QThread *ui() const { return QCoreApplication::instance()->thread(); }

    QStringList raporlar;
    QStringList olaylar;
};

TEST_F(AsyncTest, WorkOffTheUiThreadCompletionOnItAfterTheWork)
{
    std::atomic<QThread *> isThreadi { nullptr };
    QThread *tamamlamaThreadi = nullptr;
    std::atomic<bool> isBitti { false };
    bool tamamlandi = false;
    Async([&] {
        isThreadi = QThread::currentThread();
        isBitti = true;
    })->Await([&] {
        tamamlamaThreadi = QThread::currentThread();
        EXPECT_TRUE(isBitti.load());
        tamamlandi = true;
    });
    EXPECT_FALSE(tamamlandi); // Await returns at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return tamamlandi; }, 5000));
    EXPECT_NE(isThreadi.load(), ui());
    EXPECT_EQ(tamamlamaThreadi, ui());
    EXPECT_TRUE(raporlar.isEmpty());
}

struct HataDurumu
{
    std::function<void()> is;
    const char *metin;
};

class AsyncHataTest : public AsyncTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(AsyncHataTest, EscapedErrorIsReportedAfterTheCompletionWithItsText)
{
    const HataDurumu durumlar[] = {
        { [] { throw std::runtime_error("Sunucu yanıt vermedi"); }, "Sunucu yanıt vermedi" },
        { [] { throw 42; }, "Beklenmeyen bir hata oluştu." },
    };
    const HataDurumu &d = durumlar[GetParam()];
    Async(d.is)->Await([&] { olaylar << QStringLiteral("tamamlama"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return olaylar.size() == 2; }, 5000));
    EXPECT_EQ(olaylar, (QStringList { "tamamlama", "rapor" }));
    EXPECT_EQ(raporlar, QStringList { QString::fromUtf8(d.metin) });
}

INSTANTIATE_TEST_SUITE_P(Hatalar, AsyncHataTest, ::testing::Values(0, 1));

TEST_F(AsyncTest, ErrorInTheCompletionIsReportedNotThrownIntoTheEventLoop)
{
    bool tamamlandi = false;
    Async([] {})->Await([&] {
        tamamlandi = true;
        throw std::logic_error("Tablo açılamadı");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !raporlar.isEmpty(); }, 5000));
    EXPECT_TRUE(tamamlandi);
    EXPECT_EQ(raporlar, QStringList { "Tablo açılamadı" });
}

TEST_F(AsyncTest, CompletionSkippedWhenTheOwnerIsGone)
{
    auto *sahip = new QObject;
    std::atomic<bool> birak { false };
    std::atomic<bool> isBitti { false };
    bool tamamlandi = false;
    bool ikinciTamamlandi = false;
    Async([&] {
        while (!birak)
            QThread::yieldCurrentThread();
        isBitti = true;
    })->Await([&] { tamamlandi = true; }, sahip);
    delete sahip;
    birak = true;
    // A later call on the same pool completes, so the first one had its chance.
    Async([] {})->Await([&] { ikinciTamamlandi = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return isBitti && ikinciTamamlandi; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_FALSE(tamamlandi);
}

TEST_F(AsyncTest, UIdaCalistirRunsOnTheUiThreadAndWaits)
{
    std::atomic<QThread *> adimThreadi { nullptr };
    std::atomic<bool> adimBitti { false };
    std::atomic<bool> sonraAdimBittiMi { false };
    bool tamamlandi = false;
    Async([&] {
        UIdaCalistir([&] {
            QThread::msleep(20); // the worker must still be waiting here
            adimThreadi = QThread::currentThread();
            adimBitti = true;
        });
        sonraAdimBittiMi = adimBitti.load();
    })->Await([&] { tamamlandi = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return tamamlandi; }, 5000));
    EXPECT_EQ(adimThreadi.load(), ui());
    EXPECT_TRUE(sonraAdimBittiMi.load());

    // On the UI thread itself: at once.
    bool hemen = false;
    UIdaCalistir([&] { hemen = true; });
    EXPECT_TRUE(hemen);
}

TEST_F(AsyncTest, UIdaCalistirHandsAnErrorBackToTheWorker)
{
    std::atomic<bool> yakalandi { false };
    bool tamamlandi = false;
    Async([&] {
        try {
            UIdaCalistir([] { throw std::runtime_error("adım"); });
        } catch (const std::runtime_error &) {
            yakalandi = true;
        }
    })->Await([&] { tamamlandi = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return tamamlandi; }, 5000));
    EXPECT_TRUE(yakalandi.load());
}

TEST_F(AsyncTest, UIyaGonderIsQueued)
{
    QThread *thread = nullptr;
    UIyaGonder([&] { thread = QThread::currentThread(); });
    EXPECT_EQ(thread, nullptr); // not yet: it waits in the queue
    ASSERT_TRUE(QTest::qWaitFor([&] { return thread != nullptr; }, 5000));
    EXPECT_EQ(thread, ui());

    // From a worker the caller goes on without waiting for the UI thread: the
    // UI thread runs no events until the worker is past the hand-over.
    std::atomic<bool> isBitti { false };
    bool gonderilenCalisti = false;
    Async([&] {
        UIyaGonder([&] { gonderilenCalisti = true; });
        isBitti = true;
    })->Await([] {});
    QElapsedTimer sure;
    sure.start();
    while (!isBitti && sure.elapsed() < 5000)
        QThread::yieldCurrentThread();
    EXPECT_TRUE(isBitti.load());
    EXPECT_FALSE(gonderilenCalisti);
    ASSERT_TRUE(QTest::qWaitFor([&] { return gonderilenCalisti; }, 5000));
}

TEST_F(AsyncTest, AyriThreadRunsOnANewThreadAndReportsItsError)
{
    std::atomic<QThread *> thread { nullptr };
    AyriThreaddeCalistir([&] {
        thread = QThread::currentThread();
        throw std::runtime_error("Vadesi geçmiş bakiye alınamadı");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !raporlar.isEmpty(); }, 5000));
    EXPECT_NE(thread.load(), ui());
    EXPECT_EQ(raporlar, QStringList { "Vadesi geçmiş bakiye alınamadı" });
}

TEST_F(AsyncTest, EndedProcessInACompletionIsNoError)
{
    int kod = -1;
    setSurecBitir([&](int k) {
        kod = k;
        throw SurecBitti { k };
    });
    bool sonrasi = false;
    Async([] {})->Await([&] {
        SurecBitir(0);
        sonrasi = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return kod == 0; }, 5000));
    QCoreApplication::processEvents();
    setSurecBitir({});
    EXPECT_FALSE(sonrasi);
    EXPECT_TRUE(raporlar.isEmpty());
}

TEST(GenelHataRaporu, ByDefaultAnErrorMessageWithTheText)
{
    ModalYanit yanit;
    yanit.cevapla("Tamam", "Sepet okunamadı", "Hata");
    Async([] { throw std::runtime_error("Sepet okunamadı"); })->Await([] {});
    EXPECT_TRUE(yanit.bekle());
}

} // namespace
