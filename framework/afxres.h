// Standard command, window and string ids of the framework layer.
// Plain #defines only: the resource compiler includes this file too.
#pragma once

// Commands the framework knows by number.
#define ID_FILE_NEW             0xE100
#define ID_EDIT_COPY            0xE122
#define ID_EDIT_CUT             0xE123
#define ID_EDIT_PASTE           0xE125
#define ID_EDIT_UNDO            0xE12B
#define ID_APP_ABOUT            0xE140
#define ID_APP_EXIT             0xE141
#define ID_NEXT_PANE            0xE150
#define ID_PREV_PANE            0xE151
#define ID_VIEW_TOOLBAR         0xE800
#define ID_VIEW_STATUS_BAR      0xE801

// Window ids.
#define ID_SEPARATOR            0
#define AFX_IDW_TOOLBAR         0xE800
#define AFX_IDW_STATUS_BAR      0xE801
#define AFX_IDW_PANE_FIRST      0xE900

// Strings.
#define AFX_IDS_APP_TITLE       0xE000
#define AFX_IDS_IDLEMESSAGE     0xE001
#define AFX_IDS_SCSIZE          0xEF00
#define AFX_IDS_SCMOVE          0xEF01
#define AFX_IDS_SCMINIMIZE      0xEF02
#define AFX_IDS_SCMAXIMIZE      0xEF03
#define AFX_IDS_SCNEXTWINDOW    0xEF04
#define AFX_IDS_SCPREVWINDOW    0xEF05
#define AFX_IDS_SCCLOSE         0xEF06
#define AFX_IDS_SCRESTORE       0xEF12
#define AFX_IDS_SCTASKLIST      0xEF13

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
