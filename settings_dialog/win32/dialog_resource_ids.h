#pragma once
// Resource ids of the settings dialog's icon and selection-box pictures
// (dialog_resources.rc). A program that shows the dialog includes that
// script in its own.

#define IDI_SETTINGS_DIALOG 6001
#define IDB_SELECTION_EMPTY 6101
#define IDB_SELECTION_FILLED 6102
