#pragma once
// Resource ids of the six button state pictures (button_pictures.rc). A
// program that uses the button control includes that script in its own.

#define IDB_BUTTON_NORMAL 5101
#define IDB_BUTTON_HIGHLIGHT 5102
#define IDB_BUTTON_HIGHLIGHTSELECT 5103
#define IDB_BUTTON_PRESSED 5104
#define IDB_BUTTON_DISABLE 5105
#define IDB_BUTTON_SELECTED 5106
