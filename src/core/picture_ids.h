// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's bitmaps: the one table of their ids and sizes, read by the game and by the picture
// generator, so that a picture drawn and a picture shown cannot disagree.

namespace zormade {

struct PictureSize {
    int width;
    int height;
};

struct Picture {
    int id;
    PictureSize bitmap;  // the bitmap's own size
    PictureSize shown;   // the top-left part the game draws of it
};

namespace pictures {
// The shown part is as a rule one pixel short each way, so the last row and column stay out.
inline constexpr Picture kCriminalComplaint{132, {320, 240}, {319, 239}};
inline constexpr Picture kBanner{133, {224, 22}, {224, 22}};  // named by no event
inline constexpr Picture kTitle{134, {410, 315}, {409, 314}};
inline constexpr Picture kLawsuitFiled{137, {320, 240}, {319, 239}};
inline constexpr Picture kMinistryProtest{140, {352, 236}, {351, 235}};
inline constexpr Picture kCompanyApology{141, {352, 244}, {351, 243}};
inline constexpr Picture kArchiveFiles{142, {282, 430}, {281, 429}};
inline constexpr Picture kCaught{143, {352, 238}, {351, 237}};
inline constexpr Picture kGotAway{144, {262, 353}, {261, 352}};
inline constexpr Picture kOfficeRaid{145, {352, 264}, {351, 263}};
inline constexpr Picture kTelephone{146, {240, 320}, {239, 319}};
inline constexpr Picture kMinister{147, {240, 320}, {239, 319}};
inline constexpr Picture kMinistryPressRoom{148, {227, 219}, {226, 218}};
inline constexpr Picture kCourtroom{151, {289, 227}, {284, 227}};  // five columns stay out
inline constexpr Picture kBoardroom{152, {196, 312}, {195, 311}};
inline constexpr Picture kCritiqueBook{153, {320, 240}, {319, 239}};
inline constexpr Picture kResearchChief{154, {230, 250}, {229, 249}};
inline constexpr Picture kComicStrip{155, {314, 385}, {314, 385}};
inline constexpr Picture kResearchReport{156, {320, 240}, {319, 239}};
inline constexpr Picture kChrysanthemums{157, {320, 240}, {319, 239}};
inline constexpr Picture kMemorial{159, {206, 252}, {205, 251}};
inline constexpr Picture kBriefing{161, {138, 212}, {138, 212}};  // shown whole by its template

inline constexpr Picture kAll[] = {
    kCriminalComplaint, kBanner,         kTitle,          kLawsuitFiled,
    kMinistryProtest,   kCompanyApology, kArchiveFiles,   kCaught,
    kGotAway,           kOfficeRaid,     kTelephone,      kMinister,
    kMinistryPressRoom, kCourtroom,      kBoardroom,      kCritiqueBook,
    kResearchChief,     kComicStrip,     kResearchReport, kChrysanthemums,
    kMemorial,          kBriefing,
};
}  // namespace pictures

}  // namespace zormade
