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

const std::vector<PictureEntry>& PictureCatalogue() {
    using C = BmpCompression;
    using namespace zormade::pictures;
    static const std::vector<PictureEntry> kCatalogue{
        {kCriminalComplaint, CriminalComplaintScene},
        {kBanner, BannerScene},
        {kTitle, TitleScene, C::Rle4},
        {kLawsuitFiled, LawsuitFilingScene},
        {kMinistryProtest, MinistryProtestScene},
        {kCompanyApology, ApologyPressConferenceScene},
        {kArchiveFiles, ArchiveFilesScene},
        {kCaught, JailCellScene},
        {kGotAway, MoneyHeapScene},
        {kOfficeRaid, OfficeRaidScene},
        {kTelephone, MinistryTelephoneScene},
        {kMinister, MinisterAtLecternScene},
        {kMinistryPressRoom, MinistryPressRoomScene},
        {kCourtroom, CourtroomScene},
        {kBoardroom, BoardroomScene},
        {kCritiqueBook, CritiqueBookScene},
        {kResearchChief, ResearchChiefScene},
        {kComicStrip, ComicStripScene},
        {kResearchReport, ResearchReportScene},
        {kChrysanthemums, ChrysanthemumScene},
        {kMemorial, MemorialScene},
        {kBriefing, BriefingPortraitScene},
    };
    return kCatalogue;
}

}  // namespace picgen
