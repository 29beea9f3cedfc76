// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace zormade {

// A list box whose rows are one line of its font high, as the layouts expect.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Rows with a pixel of room above and below the glyphs, so that the dotted focus frame runs
    // round the text, not through it; the face gets smaller where `rows` of them would not show.
    void MakeRoomForFocusFrame(int rows);
    int RowHeight() const;

private:
    int padding_ = 0;
};

}  // namespace zormade
