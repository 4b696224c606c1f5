#pragma once
// The hidden saver-run form Velmora_S (caption "Velmora_Main").

namespace velmora::saver {

// Creates the form without showing it; its load step starts the renderer and
// the music. The form ends the program when the run is over.
void CreateRunForm();

}  // namespace velmora::saver
