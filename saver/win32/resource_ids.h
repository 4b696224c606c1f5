#pragma once
// Resources of Velmora.scr, shared by the resource script and the code.

// The description that the screen-saver list shows.
#define VELMORA_DESCRIPTION "Velmora"

#define IDS_DESCRIPTION 1
#define IDS_TITLE 2
#define IDI_VELMORA 100
#define IDB_PREVIEW_STILL 200
// The still for the n-th DPI of kPictureDpis (drawing/core/picture_scale.h),
// n * IDB_PREVIEW_STILL_SET_STEP further on: the preview area grows with the DPI.
#define IDB_PREVIEW_STILL_SET_STEP 10
