// Ids of the program's own resources and of its controls and commands.
// Usable from C++ and from the resource script.
#pragma once

#define IDC_STATIC (-1)

// Dialog templates
#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDD_SHEET_MERCURY 132
#define IDD_SHEET_VENUS 134
#define IDD_SHEET_MOON 135
#define IDD_SHEET_MARS 136
#define IDD_SHEET_JUPITER 137
#define IDD_SHEET_SATURN 138
#define IDD_SHEET_URANUS 139
#define IDD_SHEET_NEPTUNE 140
#define IDD_SHEET_PLUTO 141

// Strings
#define IDS_ABOUT_MENU 101

// Icon group
#define IDI_APP 128

// Photographs
#define IDB_PHOTO_MERCURY 155
#define IDB_PHOTO_VENUS 156
#define IDB_PHOTO_MOON 157
#define IDB_PHOTO_MARS 158
#define IDB_PHOTO_JUPITER 159
#define IDB_PHOTO_SATURN 160
#define IDB_PHOTO_URANUS 161
#define IDB_PHOTO_NEPTUNE 162
#define IDB_PHOTO_PLUTO 163

// Accelerator table (F1 to the help command); nothing loads it
#define IDR_ACCELERATORS 165

// Controls of the main window
#define IDC_EARTH_WEIGHT 1000
#define IDC_MERCURY 1004
#define IDC_MARS 1005
#define IDC_VENUS 1006
#define IDC_MOON 1007
#define IDC_JUPITER 1008
#define IDC_SATURN 1009
#define IDC_URANUS 1010
#define IDC_NEPTUNE 1011
#define IDC_PLUTO 1012
#define IDC_MORE_INFO 1013
#define IDC_WEIGHT_THERE 1014
#define IDC_ENTER_DEFAULT 1015

// System menu command: the About box (a multiple of 16)
#define IDM_ABOUT 0x0010
