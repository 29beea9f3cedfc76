#pragma once

namespace zormade {

// Numbers of the string table in res/strings.json.
enum StringId {
    IDS_TITLE = 128,
    IDS_PAUSE_TEXT = 200,
    IDS_PAUSE_CAPTION = 201,
    IDS_RESUME_TEXT = 202,
    IDS_RESUME_CAPTION = 203,
    IDS_STOP_TEXT = 204,
    IDS_STOP_CAPTION = 205,
    IDS_PAUSE_ITEM = 206,
    IDS_RESUME_ITEM = 207,
    IDS_GAME_OVER_TITLE = 210,
    IDS_GAME_OVER_MESSAGE = 211,
    IDS_CLEAR_TITLE = 212,
    IDS_RESULT_CAPTION = 220,
    IDS_PROFILE_NOT_SAVED = 230,
    IDS_ENTER_INTEGER = 240,
    IDS_UNUSABLE_CHARACTER = 241,
    IDS_NAME_TOO_LONG = 242,
    IDS_BUTTON_OK = 250,
    IDS_BUTTON_YES = 251,
    IDS_BUTTON_NO = 252,
    IDS_APP_NAME = 57344,
};

}  // namespace zormade
