// Every control of every window has a name a screen reader can say: its own caption, or the
// label its template gives it.
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

TEST_F(AppTest, TheMoneyEditTellsItsValueBesideItsName) {
    QAccessibleInterface* money = QAccessible::queryAccessibleInterface(View().GetDlgItem(IDC_EDIT_MONEY));
    ASSERT_NE(money, nullptr);
    EXPECT_EQ(money->text(QAccessible::Name), "所持金");
    EXPECT_EQ(money->text(QAccessible::Value), "1500000");
}

}  // namespace
}  // namespace zormade::test
