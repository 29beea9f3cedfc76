// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/list_box.h"

#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace zormade {
namespace {

class OneLineRows : public QStyledItemDelegate {
public:
    explicit OneLineRows(ListBox* list) : QStyledItemDelegate(list), list_(list) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(list_->RowHeight());
        return size;
    }

private:
    const ListBox* list_;
};

int LineHeight(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new OneLineRows(this));
    setUniformItemSizes(true);
}

int ListBox::RowHeight() const { return LineHeight(font()) + 2 * padding_; }

void ListBox::MakeRoomForFocusFrame(int rows) {
    padding_ = 1;
    const int room = contentsRect().height() / rows - 2 * padding_;
    if (font().pixelSize() > room && room > 0) {
        QFont smaller = font();
        smaller.setPixelSize(room);
        setFont(smaller);
    }
    doItemsLayout();
}

}  // namespace zormade
