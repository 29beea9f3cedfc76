// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "core/status_change.h"

namespace zormade {

constexpr int kEventCount = 42;

struct EventAnswer {
    const char* text;    // shown in the answer list, begins with its own number
    const char* result;  // shown in the result box after the dialog closes
    StatusChange change;
};

struct EventRecord {
    int pictureRow;      // row of the event picture table
    const char* prompt;  // one or two lines, CR LF between them
    std::array<EventAnswer, 4> answers;
};

struct PictureRow {
    int bitmapId;
    int width;
    int height;
};

// index 0 to 41; anything else is a programming error and asserts.
const EventRecord& EventRecordAt(int index);

// The changes of answer 0 to 3 of event `index`; any other answer changes nothing.
StatusChange AnswerChange(int index, int answer);

// The rows no event names (1, 6, 7) and rows outside 0 to 19 have no picture.
std::optional<PictureRow> EventPictureRow(int row);

}  // namespace zormade
