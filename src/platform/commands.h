// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace zormade {

// What an update handler may change on a menu item before its drop-down opens.
class CCmdUI {
public:
    explicit CCmdUI(int id) : id_(id) {}
    int Id() const { return id_; }
    void Enable(bool enabled = true) { enabled_ = enabled; }
    void SetText(const QString& text) { text_ = text; }
    bool Enabled() const { return enabled_; }
    const QString& Text() const { return text_; }

private:
    int id_;
    bool enabled_ = true;
    QString text_;
};

// Something that handles menu commands; the first target in the route that takes one wins.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual bool OnCommand(int id) = 0;
    virtual bool OnUpdateCommand(CCmdUI&) { return false; }
};

class CommandRouter {
public:
    void SetRoute(std::vector<CommandTarget*> route) { route_ = std::move(route); }
    bool Dispatch(int id);
    // Runs the update handlers of every item of the drop-down.
    void UpdateMenu(QMenu* menu);
    // Builds menu `id` from the resources into the bar; false when it cannot be read.
    bool BuildMenuBar(int id, QMenuBar* bar);
    // The item of a command, for tests and keyboard checks.
    QAction* ActionFor(int id) const;

private:
    std::vector<CommandTarget*> route_;
    std::vector<QAction*> actions_;
};

}  // namespace zormade
