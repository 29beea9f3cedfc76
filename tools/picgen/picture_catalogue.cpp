// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_catalogue.h"

#include "scenes/scenes.h"

namespace picgen {

const std::vector<PictureEntry>& pictureCatalogue() {
    using C = BmpCompression;
    // The game draws most pictures without their last column and row; 151 shows only 284 columns.
    static const std::vector<PictureEntry> catalogue{
        {132, {320, 240}, {319, 239}, C::Rgb, criminalComplaintScene},
        {133, {224, 22}, {224, 22}, C::Rgb, bannerScene},
        {134, {410, 315}, {409, 314}, C::Rle4, titleScene},
        {137, {320, 240}, {319, 239}, C::Rgb, lawsuitFilingScene},
        {140, {352, 236}, {351, 235}, C::Rgb, ministryProtestScene},
        {141, {352, 244}, {351, 243}, C::Rgb, apologyPressConferenceScene},
        {142, {282, 430}, {281, 429}, C::Rgb, archiveFilesScene},
        {143, {352, 238}, {351, 237}, C::Rgb, jailCellScene},
        {144, {262, 353}, {261, 352}, C::Rgb, moneyHeapScene},
        {145, {352, 264}, {351, 263}, C::Rgb, officeRaidScene},
        {146, {240, 320}, {239, 319}, C::Rgb, ministryTelephoneScene},
        {147, {240, 320}, {239, 319}, C::Rgb, ministerAtLecternScene},
        {148, {227, 219}, {226, 218}, C::Rgb, ministryPressRoomScene},
        {151, {289, 227}, {284, 227}, C::Rgb, courtroomScene},
        {152, {196, 312}, {195, 311}, C::Rgb, boardroomScene},
        {153, {320, 240}, {319, 239}, C::Rgb, critiqueBookScene},
        {154, {230, 250}, {229, 249}, C::Rgb, researchChiefScene},
        {155, {314, 385}, {314, 385}, C::Rgb, comicStripScene},
        {156, {320, 240}, {319, 239}, C::Rgb, researchReportScene},
        {157, {320, 240}, {319, 239}, C::Rgb, chrysanthemumScene},
        {159, {206, 252}, {205, 251}, C::Rgb, memorialScene},
        {161, {138, 212}, {138, 212}, C::Rgb, briefingPortraitScene},
    };
    return catalogue;
}

}  // namespace picgen
