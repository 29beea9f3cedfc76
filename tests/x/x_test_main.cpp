// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/classic_look.h"
#include "platform/dialog_units.h"
#include "ui/language_choice.h"

// The windows on the X server that DISPLAY names (x_session.sh starts one, with a window manager),
// in the language the environment asks for, as the game chooses it.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
    zormade::UseClassicLook();
    std::string refusal;
    zormade::ChooseLanguage(std::nullopt, argv[0], refusal);
    zormade::InstallDialogFonts();
    return RUN_ALL_TESTS();
}
