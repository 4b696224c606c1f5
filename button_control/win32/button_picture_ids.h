#pragma once
// Resource ids of the six button state pictures (button_pictures.rc). A
// program that uses the button control includes that script in its own.
// These are the 96-dpi set; the set for the n-th DPI of kPictureDpis
// (drawing/core/picture_scale.h) lies n * IDB_BUTTON_SET_STEP further on.

#define IDB_BUTTON_NORMAL 5101
#define IDB_BUTTON_HIGHLIGHT 5102
#define IDB_BUTTON_HIGHLIGHTSELECT 5103
#define IDB_BUTTON_PRESSED 5104
#define IDB_BUTTON_DISABLE 5105
#define IDB_BUTTON_SELECTED 5106
#define IDB_BUTTON_SET_STEP 10
