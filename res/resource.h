// quelvan's own resource and command ids, in one place.
// Plain #defines only: the resource compiler includes this file too.
#pragma once
#include "../framework/afxres.h"

#define IDD_ABOUTBOX            100
#define IDC_FONTBOX             101
#define ID_INDICATOR_CODE       102
#define ID_INDICATOR_UNICODE    103
#define ID_INDICATOR_FACE       104
#define IDS_SHOWN_IN            105
#define IDS_NO_FACE             106
#define IDR_MAINFRAME           128
#define IDD_INPUT               132
#define IDC_INPUT               1000

#define ID_VIEW_CLIPWATCH       32772
#define ID_VIEW_TOPMOST         32773
#define ID_FONTBOX              32775
#define ID_FONT_BOLD            32776
#define ID_FONT_ITALIC          32777
#define ID_PREV_CHAR            32779
#define ID_NEXT_CHAR            32780
#define ID_INPUT_TEXT           32781
#define ID_FIRST_CHAR           32782
#define ID_LAST_CHAR            32783
#define ID_VIEW_FULLSCREEN      32784
#define ID_VIEW_FALLBACK        32785
#define ID_EDIT_COPY_PICTURE    32786
#define ID_FILE_SAVE_PICTURE    32787

// Strings of Save as Picture: the Save dialog's file types, and what a failed save says.
#define IDS_PICTURE_TYPES       2900
#define IDS_PICTURE_NOT_SAVED   2901

#define ID_INDICATOR_POS        0xEF14
