#pragma once
// Pictures of the frames, shapes and gradients, one PNG per style and kind.

#include <string>

// Writes the PNGs into Folder and prints their names.
void WriteDrawingPictures(const std::string& Folder);
