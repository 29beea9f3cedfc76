// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/list_box.h"

#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace zormade {
namespace {

class OneLineRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int pixels = option.font.pixelSize();
        size.setHeight(pixels > 0 ? pixels : QFontMetrics(option.font).height());
        return size;
    }
};

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new OneLineRows(this));
    setUniformItemSizes(true);
}

}  // namespace zormade
