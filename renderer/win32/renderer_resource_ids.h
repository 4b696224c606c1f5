#pragma once
// Ids of Velmora.dll's resources, for its resource script and its code.

// The window class's icon.
#define IDI_RENDERER 7002
