#pragma once
// Resource identifiers shared by the resource scripts and the code.

// Type library and strings
#define IDR_TYPELIB              1
#define IDS_PROJNAME             100

// Options dialog banners: wide (landscape) and narrow (portrait) per resolution class
#define IDB_BANNER_QVGA_WIDE     131
#define IDB_BANNER_QVGA_NARROW   132
#define IDB_BANNER_VGA_WIDE      133
#define IDB_BANNER_VGA_NARROW    134

// Input-method icons reported by GetInfo: 16-pixel and 32-pixel image strips
#define IDB_ICONS_SMALL          201
#define IDB_ICONS_LARGE          202

// Keyboard dialog
#define IDD_KEYBOARD             204
#define IDC_KEYBOARD_EDIT        201
#define IDC_KEYBOARD_VIEW        203

// Options dialog and its menu bar
#define IDD_OPTIONS              205
#define IDR_OPTIONS_MENU         208
#define IDC_OPTIONS_TAB          204
#define IDC_OPTIONS_BANNER       228
#define IDC_OPTIONS_KEYBOARD     211
#define IDC_OPTIONS_SKINS        212
#define IDC_OPTIONS_HABIT        210
#define IDC_OPTIONS_LEFT         205
#define IDC_OPTIONS_RIGHT        206
#define IDC_OPTIONS_ACCENTS      207
// The Words tab
#define IDC_WORDS_SUGGEST        230
#define IDC_WORDS_AFTER_LABEL    231
#define IDC_WORDS_AFTER          232
#define IDC_WORDS_COUNT_LABEL    233
#define IDC_WORDS_COUNT          234
#define IDC_WORDS_SPACE          235
#define IDC_WORDS_LEARN          236
#define IDC_WORDS_LIST_LABEL     237
#define IDC_WORDS_LIST           238
#define IDC_WORDS_CLEAR          239
#define IDM_OPTIONS_OK           40000
#define IDM_OPTIONS_CANCEL       32771

// SIP bar, QVGA class: the bar and the pressed image of each button
#define IDB_BAR_QVGA             213
#define IDB_QVGA_211             211
#define IDB_QVGA_212             212
#define IDB_QVGA_214             214
#define IDB_QVGA_215             215
#define IDB_QVGA_216             216
#define IDB_QVGA_217             217
#define IDB_QVGA_218             218
#define IDB_QVGA_219             219

// SIP bar, VGA class
#define IDB_BAR_VGA              304
#define IDB_VGA_301              301
#define IDB_VGA_302              302
#define IDB_VGA_303              303
#define IDB_VGA_305              305
#define IDB_VGA_306              306
#define IDB_VGA_307              307
#define IDB_VGA_308              308
#define IDB_VGA_309              309
