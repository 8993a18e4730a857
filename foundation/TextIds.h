// The numbers of the program's texts in its string tables (resources/lang/*.rc). Numbers below
// 450 are the library's own numbered texts; the rest are the programs'. Read by windres too, so
// only #define lines.
#pragma once

// The language's own name, and the code a settings file names it by ("de"; "de-AT" picks it too).
#define IDS_LANGUAGE_NAME 450
#define IDS_LANGUAGE_CODE 451

// The game window.
#define IDS_TITLE 1000
#define IDS_START 1001
#define IDS_SETUP 1002
#define IDS_ABOUT 1003
#define IDS_UPLOAD 1004
#define IDS_HELP 1005
#define IDS_EXIT 1006
#define IDS_VOTES 1010
#define IDS_GAME_OVER 1011
#define IDS_BALLOON_PLACEHOLDER 1012
#define IDS_PAUSED 1013
// Who is playing: the question, and the caption that names the player during a game (title, name).
#define IDS_WHO_IS_PLAYING 1014
#define IDS_PLAYER_CAPTION 1015
// The remarks: ten cheers, nine taunts for a missed winner, five for a wrong answer.
#define IDS_CORRECT_FIRST 1100
#define IDS_MISSED_FIRST 1120
#define IDS_WRONG_FIRST 1140

// Help and About.
#define IDS_HELP_CAPTION 1200
#define IDS_HELP_RULES 1201
#define IDS_HELP_KEYS 1210
#define IDS_ABOUT_CAPTION 1202
#define IDS_ABOUT_VERSION 1203
#define IDS_ABOUT_TEXT 1204
#define IDS_ABOUT_CODE_NOTICE 1205
#define IDS_ABOUT_PROGRAMMER 1206
#define IDS_ABOUT_ARTIST 1207
#define IDS_OK 1208
#define IDS_CANCEL 1209

// What a link says when its action fails.
#define IDS_LINK_UNKNOWN_ACTION 1220
#define IDS_LINK_ACTION_FAILED 1221
#define IDS_LINK_OUT_OF_MEMORY 1222
#define IDS_LINK_FILE_NOT_FOUND 1223
#define IDS_LINK_PATH_NOT_FOUND 1224
#define IDS_LINK_ACCESS_DENIED 1225
#define IDS_LINK_NOT_ENOUGH_MEMORY 1226
#define IDS_LINK_BAD_FORMAT 1227
#define IDS_LINK_SHARING 1228
#define IDS_LINK_ASSOC_INCOMPLETE 1229
#define IDS_LINK_DDE_TIMEOUT 1230
#define IDS_LINK_DDE_FAIL 1231
#define IDS_LINK_DDE_BUSY 1232
#define IDS_LINK_NO_ASSOC 1233
#define IDS_LINK_DLL_NOT_FOUND 1234
#define IDS_LINK_UNKNOWN_ERROR 1235
// The action names, in the order of XHyperLinkAction's types.
#define IDS_ACTION_NAME_FIRST 1250

// The Setup dialog.
#define IDS_SETUP_CAPTION 1300
#define IDS_SETUP_OPERATION 1301
#define IDS_SETUP_SIZE 1302
#define IDS_SETUP_HIGH 1303
#define IDS_SETUP_PACE 1304
#define IDS_SETUP_SOUND 1305
#define IDS_SETUP_PRACTICE 1306
#define IDS_SETUP_ADDITION 1310
#define IDS_SETUP_SUBTRACTION 1311
#define IDS_SETUP_MULTIPLICATION 1312
#define IDS_SETUP_DIVISION 1313
#define IDS_SETUP_PLAY_SOUNDS 1314
#define IDS_SETUP_PRACTICE_ON 1315
#define IDS_SETUP_PACE_FASTER 1320
#define IDS_SETUP_PACE_STEADY 1321
#define IDS_SETUP_PACE_SLOW 1322
#define IDS_SETUP_PACE_VERYSLOW 1323
#define IDS_SETUP_PACE_SLOWEST 1324
#define IDS_EXCHANGE_CAPTION 1330
#define IDS_EXCHANGE_FAILED 1331
#define IDS_LAYOUT_CAPTION 1332
#define IDS_LAYOUT_ERROR 1333

// The report program and its page: 2000 and up.
#define IDS_REPORT_FIRST 2000
#include "ReportTextIds.h"
