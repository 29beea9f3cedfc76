// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/event_catalogue.h"

#include <cassert>

namespace zormade {
namespace {

#include "event_catalogue.inc"

constexpr int kPictureRowCount = 20;

// Rows 1, 6 and 7 are named by no event.
constexpr std::optional<PictureRow> kPictureRows[kPictureRowCount] = {
    PictureRow{132, 319, 239}, std::nullopt,              PictureRow{137, 319, 239},
    PictureRow{140, 351, 235}, PictureRow{141, 351, 243}, PictureRow{142, 281, 429},
    std::nullopt,              std::nullopt,              PictureRow{145, 351, 263},
    PictureRow{146, 239, 319}, PictureRow{147, 239, 319}, PictureRow{148, 226, 218},
    PictureRow{151, 284, 227}, PictureRow{152, 195, 311}, PictureRow{153, 319, 239},
    PictureRow{154, 229, 249}, PictureRow{155, 314, 385}, PictureRow{156, 319, 239},
    PictureRow{157, 319, 239}, PictureRow{159, 205, 251},
};

}  // namespace

const EventRecord& EventRecordAt(int index) {
    assert(index >= 0 && index < kEventCount);
    return kEventRecords[index];
}

StatusChange AnswerChange(int index, int answer) {
    if (answer < 0 || answer > 3) return {};
    return EventRecordAt(index).answers[answer].change;
}

std::optional<PictureRow> EventPictureRow(int row) {
    if (row < 0 || row >= kPictureRowCount) return std::nullopt;
    return kPictureRows[row];
}

}  // namespace zormade
