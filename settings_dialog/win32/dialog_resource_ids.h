#pragma once
// Resource ids of the settings dialog's icon and selection-box pictures
// (dialog_resources.rc). A program that shows the dialog includes that
// script in its own.

#define IDI_SETTINGS_DIALOG 6001
#define IDB_SELECTION_EMPTY 6101
#define IDB_SELECTION_FILLED 6102
// The selection boxes for the n-th DPI of kPictureDpis
// (drawing/core/picture_scale.h) lie n * IDB_SELECTION_SET_STEP further on.
#define IDB_SELECTION_SET_STEP 10
