// SPDX-License-Identifier: GPL-3.0-or-later
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
    IDS_CAPTURE_CAUSE_LINE = 213,
    IDS_RESULT_CAPTION = 220,
    IDS_PROFILE_NOT_SAVED = 230,
    IDS_PROFILE_LEFT_UNREAD = 231,
    IDS_PROFILE_READ_ONLY = 232,
    IDS_PROFILE_NOT_A_FILE = 233,
    IDS_BUTTON_OK = 250,
    IDS_BUTTON_YES = 251,
    IDS_BUTTON_NO = 252,
    // The names of the chart's lines, in the order of ChartLine.
    IDS_GRAPH_STAMINA = 260,
    IDS_GRAPH_TRUST = 261,
    IDS_GRAPH_RIVAL = 262,
    IDS_GRAPH_SUSPICION = 263,
    IDS_GRAPH_MONEY = 264,
    IDS_GRAPH_PATIENTS = 265,
    IDS_GRAPH_LIMIT = 266,
    IDS_GRAPH_STAMINA_OUT = 270,
    IDS_GRAPH_RIVAL_OVER = 271,
    IDS_GRAPH_SUSPICION_OVER = 272,
    IDS_GRAPH_CAPTURE_LINE = 273,
    IDS_GRAPH_CLEAR_LINE = 274,
    IDS_GRAPH_STOP_LINE = 275,
    IDS_GRAPH_EVENT_MARK = 276,
    IDS_GRAPH_EVENT_LINE = 277,
    IDS_GRAPH_NO_CHARTS = 278,
    IDS_SCORE_MAKING = 279,
    // A bar's tip: its name, value and limit on the first line.
    IDS_BAR_VALUE = 280,
    // What starts the rows an event's line runs on in, in the graph's list.
    IDS_GRAPH_EVENT_INDENT = 281,
    // The titles of the lower chart's axes.
    IDS_GRAPH_MONEY_AXIS = 282,
    IDS_GRAPH_PATIENTS_AXIS = 283,
    // Between the limits one capture crossed; an end line too long to fit breaks after it.
    IDS_CAUSE_SEPARATOR = 284,
    IDS_PROFILE_TOO_LARGE = 290,
    IDS_PROFILE_LOCK_BUSY = 291,
    // Why a profile file could not be written, in the order of the reasons ini_profile.cpp knows.
    IDS_REASON_NO_SPACE = 292,
    IDS_REASON_NO_PERMISSION = 293,
    IDS_REASON_READ_ONLY_FILESYSTEM = 294,
    IDS_REASON_FILE_TOO_LARGE = 295,
    IDS_REASON_IS_A_FOLDER = 296,
    IDS_REASON_NOT_A_FOLDER = 297,
    IDS_REASON_TOO_MANY_LINKS = 298,
    IDS_REASON_QUOTA = 299,
    IDS_REASON_MISSING = 300,
    IDS_REASON_NAME_TOO_LONG = 301,
    IDS_REASON_NOT_OPENABLE = 302,
    IDS_REASON_UNEXPECTED = 303,
    IDS_PROFILE_FOREIGN_LINK = 304,
    IDS_PROFILE_SYMBOLIC_LINK = 305,
    IDS_PROFILE_NOT_OURS = 306,
    IDS_PROFILE_LOCK_UNUSABLE = 307,
    // The entries a save without the lock could not make sure of, one per line.
    IDS_PROFILE_ENTRIES_UNSURE = 308,
    IDS_PROFILE_ENTRY = 309,
    // Our reason, then the system's own words for it.
    IDS_REASON_WITH_SYSTEM_WORDS = 310,
    IDS_LOG_STAMINA = 400,
    IDS_LOG_MONEY = 401,
    IDS_LOG_PATIENTS = 402,
    IDS_LOG_TRUST = 403,
    IDS_LOG_RIVAL = 404,
    IDS_LOG_SUSPICION = 405,
    IDS_LOG_RISE = 406,
    IDS_LOG_FALL = 407,
    IDS_LOG_MONEY_GONE = 408,
    IDS_LOG_DEMAND_TOO_LARGE = 409,
    IDS_LOG_NO_NEW_PATIENTS = 410,
    IDS_SCORE_LINE = 411,
    // The program, the language --lang asked for, the languages there are.
    IDS_UNKNOWN_LANGUAGE = 500,
    IDS_APP_NAME = 57344,
};

}  // namespace zormade
