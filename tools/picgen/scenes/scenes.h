// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene.h"

namespace picgen {

// Title screen and banner.
Scene TitleScene();
Scene BannerScene();

// Complaints, lawsuits and the court.
Scene CriminalComplaintScene();
Scene LawsuitFilingScene();
Scene CourtroomScene();

// The ministry.
Scene MinistryProtestScene();
Scene MinistryTelephoneScene();
Scene MinisterAtLecternScene();
Scene MinistryPressRoomScene();
Scene ArchiveFilesScene();

// The company.
Scene ApologyPressConferenceScene();
Scene BoardroomScene();
Scene OfficeRaidScene();

// Laboratories, the research chief, and the player in his white coat.
Scene ResearchReportScene();
Scene ResearchChiefScene();
Scene BriefingPortraitScene();

// Book, newspaper and comic.
Scene CritiqueBookScene();
Scene ComicStripScene();

// Mourning.
Scene ChrysanthemumScene();
Scene MemorialScene();

// Endings.
Scene JailCellScene();
Scene MoneyHeapScene();

// The application icon: the full emblem, and a plainer one for 16 pixels.
Scene IconScene();
Scene SmallIconScene();

}  // namespace picgen
