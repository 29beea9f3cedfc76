// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/event_catalogue.h"

#include <cassert>

#include "core/picture_ids.h"

namespace zormade {
namespace {

#include "event_catalogue.inc"

constexpr int kPictureRowCount = 20;

constexpr PictureRow RowOf(const Picture& picture) {
    return {picture.id, picture.shown.width, picture.shown.height};
}

// Rows 1, 6 and 7 are named by no event.
constexpr std::optional<PictureRow> kPictureRows[kPictureRowCount] = {
    RowOf(pictures::kCriminalComplaint),
    std::nullopt,
    RowOf(pictures::kLawsuitFiled),
    RowOf(pictures::kMinistryProtest),
    RowOf(pictures::kCompanyApology),
    RowOf(pictures::kArchiveFiles),
    std::nullopt,
    std::nullopt,
    RowOf(pictures::kOfficeRaid),
    RowOf(pictures::kTelephone),
    RowOf(pictures::kMinister),
    RowOf(pictures::kMinistryPressRoom),
    RowOf(pictures::kCourtroom),
    RowOf(pictures::kBoardroom),
    RowOf(pictures::kCritiqueBook),
    RowOf(pictures::kResearchChief),
    RowOf(pictures::kComicStrip),
    RowOf(pictures::kResearchReport),
    RowOf(pictures::kChrysanthemums),
    RowOf(pictures::kMemorial),
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
