#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/classic_look.h"
#include "platform/dialog_units.h"
#include "x_session.h"

// The windows on a real X server with a window manager, on a screen of the size given as the
// first argument ("1024x768"). Exits with 77, which ctest counts as skipped, when no X server
// can be started here.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QList<QByteArray> size = QByteArray(argc > 1 ? argv[1] : "").split('x');
    if (size.size() != 2) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT [gtest options]\n", argv[0]);
        return 2;
    }
    const zormade::test::XSession session(QSize(size[0].toInt(), size[1].toInt()));
    if (!session.Failure().isEmpty()) {
        std::printf("SKIPPED: no X server: %s\n", qPrintable(session.Failure()));
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    zormade::UseClassicLook();
    zormade::InstallDialogFonts();
    return RUN_ALL_TESTS();
}
