// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_catalogue.h"

#include "scenes/scenes.h"

namespace picgen {

PictureEntry::PictureEntry(const zormade::Picture& picture, Scene (*drawing)(),
                           BmpCompression encoding)
    : id(picture.id),
      bitmapSize(picture.bitmap.width, picture.bitmap.height),
      shownSize(picture.shown.width, picture.shown.height),
      compression(encoding),
      scene(drawing) {}

const std::vector<PictureEntry>& pictureCatalogue() {
    using C = BmpCompression;
    using namespace zormade::pictures;
    static const std::vector<PictureEntry> catalogue{
        {kCriminalComplaint, criminalComplaintScene},
        {kBanner, bannerScene},
        {kTitle, titleScene, C::Rle4},
        {kLawsuitFiled, lawsuitFilingScene},
        {kMinistryProtest, ministryProtestScene},
        {kCompanyApology, apologyPressConferenceScene},
        {kArchiveFiles, archiveFilesScene},
        {kCaught, jailCellScene},
        {kGotAway, moneyHeapScene},
        {kOfficeRaid, officeRaidScene},
        {kTelephone, ministryTelephoneScene},
        {kMinister, ministerAtLecternScene},
        {kMinistryPressRoom, ministryPressRoomScene},
        {kCourtroom, courtroomScene},
        {kBoardroom, boardroomScene},
        {kCritiqueBook, critiqueBookScene},
        {kResearchChief, researchChiefScene},
        {kComicStrip, comicStripScene},
        {kResearchReport, researchReportScene},
        {kChrysanthemums, chrysanthemumScene},
        {kMemorial, memorialScene},
        {kBriefing, briefingPortraitScene},
    };
    return catalogue;
}

}  // namespace picgen
