// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an event dialog until its picture is on screen, against a plain dialog that shows the
// same picture in a label.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <functional>

#include "baseline.h"
#include "core/event_catalogue.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui/event_dialog.h"

namespace zormade::bench {
namespace {

constexpr int kEventIndex = 0;

// Calls back once, right after `widget` was painted while `drawn` said its picture was there.
class PaintWatch : public QObject {
public:
    PaintWatch(std::function<bool(QObject*)> isPicture, std::function<void()> onPainted)
        : isPicture_(std::move(isPicture)), onPainted_(std::move(onPainted)) {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && isPicture_(watched)) {
            seen_ = true;
            // Queued, so it runs once this paint has finished.
            QTimer::singleShot(0, onPainted_);
        }
        return false;
    }

private:
    std::function<bool(QObject*)> isPicture_;
    std::function<void()> onPainted_;
    bool seen_ = false;
};

bool HoldsPicture(PictureControl* control) {
    const QImage& canvas = control->Canvas();
    return canvas.pixelColor(canvas.width() / 2, canvas.height() / 2).alpha() != 0;
}

double OpenEventDialogMs() {
    QElapsedTimer clock;
    clock.start();
    double paintedMs = 0;
    EventDialog dialog(kEventIndex);
    PaintWatch watch(
        [&](QObject* object) {
            auto* picture = qobject_cast<PictureControl*>(object);
            return picture && picture == &dialog.Control(EventDialog::kPictureId) &&
                   HoldsPicture(picture);
        },
        [&] {
            paintedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            dialog.reject();
        });
    dialog.exec();
    return paintedMs;
}

double OpenPlainDialogMs() {
    QElapsedTimer clock;
    clock.start();
    double paintedMs = 0;
    QDialog dialog;
    auto* label = new QLabel(&dialog);
    const QImage picture =
        LoadBitmap(EventPictureRow(EventRecordAt(kEventIndex).pictureRow)->bitmapId);
    label->setPixmap(
        QPixmap::fromImage(picture.scaled(EventDialog::kPictureSize, EventDialog::kPictureSize)));
    PaintWatch watch([&](QObject* object) { return object == label; },
                     [&] {
                         paintedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                         dialog.reject();
                     });
    dialog.exec();
    return paintedMs;
}

void BM_EventDialogOpen(benchmark::State& state) {
    double eventMs = 0;
    double plainMs = 0;
    for (auto _ : state) {
        const double opened = OpenEventDialogMs();
        state.SetIterationTime(opened / 1000.0);
        eventMs += opened;
        plainMs += OpenPlainDialogMs();
    }
    const double runs = static_cast<double>(state.iterations());
    ReportAgainstBaseline(state, eventMs / runs, plainMs / runs, "baseline_ms");
}
BENCHMARK(BM_EventDialogOpen)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zormade::bench
