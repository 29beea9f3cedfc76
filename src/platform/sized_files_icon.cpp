// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sized_files_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <map>

namespace zormade {
namespace {

class SizedFilesEngine : public QIconEngine {
public:
    SizedFilesEngine(QString pattern, std::vector<int> sizes)
        : pattern_(std::move(pattern)), sizes_(std::move(sizes)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int drawn = Nearest(qMin(size.width(), size.height()));
        auto found = decoded_.find(drawn);
        if (found == decoded_.end())
            found = decoded_.emplace(drawn, QPixmap(pattern_.arg(drawn))).first;
        QPixmap shown = found->second;
        if (shown.isNull()) return shown;
        if (shown.size() != size)
            shown = shown.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled) {
            QIcon plain(shown);
            return plain.pixmap(size, QIcon::Disabled);
        }
        return shown;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side =
            qMin(Nearest(qMin(size.width(), size.height())), qMin(size.width(), size.height()));
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> all;
        for (int side : sizes_) all << QSize(side, side);
        return all;
    }

    QIconEngine* clone() const override { return new SizedFilesEngine(*this); }

private:
    // The smallest drawn size that is at least `side`, else the largest: a picture is only ever
    // scaled down.
    int Nearest(int side) const {
        for (int drawn : sizes_) {
            if (drawn >= side) return drawn;
        }
        return sizes_.empty() ? 0 : sizes_.back();
    }

    QString pattern_;
    std::vector<int> sizes_;
    std::map<int, QPixmap> decoded_;
};

}  // namespace

QIcon SizedFilesIcon(const QString& pattern, const std::vector<int>& sizes) {
    return QIcon(new SizedFilesEngine(pattern, sizes));
}

}  // namespace zormade
