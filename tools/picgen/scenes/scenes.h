// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene.h"

namespace picgen {

// Title screen and banner.
Scene titleScene();
Scene bannerScene();

// Complaints, lawsuits and the court.
Scene criminalComplaintScene();
Scene lawsuitFilingScene();
Scene courtroomScene();

// The ministry.
Scene ministryProtestScene();
Scene ministryTelephoneScene();
Scene ministerAtLecternScene();
Scene ministryPressRoomScene();
Scene archiveFilesScene();

// The company.
Scene apologyPressConferenceScene();
Scene boardroomScene();
Scene officeRaidScene();

// Laboratories, the research chief, and the player in his white coat.
Scene researchReportScene();
Scene researchChiefScene();
Scene briefingPortraitScene();

// Book, newspaper and comic.
Scene critiqueBookScene();
Scene comicStripScene();

// Mourning.
Scene chrysanthemumScene();
Scene memorialScene();

// Endings.
Scene jailCellScene();
Scene moneyHeapScene();

// The application icon: the full emblem, and a plainer one for 16 pixels.
Scene iconScene();
Scene smallIconScene();

}  // namespace picgen
