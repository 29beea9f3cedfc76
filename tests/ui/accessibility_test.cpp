// Every control of every window has a name a screen reader can say: its own caption, or the
// label its template gives it, which is the static text beside it wherever there is one.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QWidget>

#include "app_fixture.h"
#include "platform/control_set.h"
#include "platform/dialog_template.h"

namespace zormade::test {
namespace {

QString SpokenName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

std::vector<DialogTemplate> AllTemplates() {
    std::vector<DialogTemplate> templates;
    for (const QString& file : QDir(":/templates").entryList({"*.json"})) {
        if (auto dialog = LoadDialogTemplate(file.section('.', 0, 0).toInt())) {
            templates.push_back(*dialog);
        }
    }
    return templates;
}

// On the control's row, or just above it and over it: where a label stands on these forms.
bool Beside(const QRect& label, const QRect& control) {
    const bool sameRow = label.top() <= control.bottom() && control.top() <= label.bottom();
    const bool justAbove = label.bottom() <= control.top() + 1 && label.bottom() >= control.top() - 4 &&
                           label.left() <= control.right() && control.left() <= label.right();
    return sameRow || justAbove;
}

TEST(Accessibility, EveryControlOfEveryWindowHasASpokenName) {
    const std::vector<DialogTemplate> templates = AllTemplates();
    ASSERT_GE(templates.size(), 9u);
    for (const DialogTemplate& dialog : templates) {
        QWidget host;
        ControlSet controls;
        controls.Build(&host, dialog);
        for (QWidget* control : controls.All()) {
            EXPECT_FALSE(SpokenName(control).isEmpty())
                << "template " << dialog.id << ", control " << controls.IdOf(control) << " ("
                << control->metaObject()->className() << ")";
        }
    }
}

TEST(Accessibility, ALabelShownOnTheFormStandsBesideTheControlItNames) {
    int labelsOnScreen = 0;
    for (const DialogTemplate& dialog : AllTemplates()) {
        for (const ControlTemplate& control : dialog.controls) {
            if (control.label.isEmpty()) continue;
            bool shown = false;
            bool beside = false;
            for (const ControlTemplate& label : dialog.controls) {
                if (label.kind != ControlKind::Static || label.text.trimmed() != control.label) continue;
                shown = true;
                beside = beside || Beside(label.rect, control.rect);
            }
            if (!shown) continue;
            ++labelsOnScreen;
            EXPECT_TRUE(beside) << "template " << dialog.id << ": \"" << control.label.toStdString()
                                << "\" is not beside control " << control.id;
        }
    }
    EXPECT_GE(labelsOnScreen, 17);  // the board's thirteen and four in the dialogs
}

TEST_F(AppTest, TheMoneyEditTellsItsValueBesideItsName) {
    EXPECT_EQ(SpokenName(View().GetDlgItem(IDC_EDIT_MONEY)), "所持金");
    // Beside the name, the reader tells the value the edit shows.
    QAccessibleInterface* money =
        QAccessible::queryAccessibleInterface(View().GetDlgItem(IDC_EDIT_MONEY));
    ASSERT_NE(money, nullptr);
    EXPECT_EQ(money->text(QAccessible::Value), "1500000");
}

}  // namespace
}  // namespace zormade::test
