#pragma once
// Pictures of the slices, progress indicators, arrows and text services,
// one PNG per routine and option set.

#include <string>

// Writes the PNGs into Folder and prints how many.
void WriteSlicePictures(const std::string& Folder);
