// One main for every test binary: headless Qt, a home of its own, then GoogleTest.
#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    // gtest_discover_tests runs the binaries without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // ctest runs test processes side by side: each gets its own settings and
    // data folders, so one test's ayar.ini or download never meets another's.
    char home[] = "/tmp/tarnevo-test-XXXXXX";
    const bool ownHome = ::mkdtemp(home) != nullptr;
    if (ownHome) {
        const QByteArray h(home);
        qputenv("HOME", h);
        qputenv("XDG_CONFIG_HOME", h + "/.config");
        qputenv("XDG_DATA_HOME", h + "/.local/share");
        qputenv("XDG_CACHE_HOME", h + "/.cache");
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (ownHome)
        QDir(QString::fromLocal8Bit(home)).removeRecursively();
    return result;
}
