#pragma once
// Installed font families, as fontconfig knows them.
//
// The families are reported in fontconfig's listing order, once per face
// (family and style): for each face its family names, the first (default) name always and further
// names only where they are English (a face's own family such as
// "DejaVu Sans Condensed" next to "DejaVu Sans"). A family can be reported
// more than once; callers that list families drop the repeats.

#include <functional>
#include <string>
#include <string_view>

#include "platform/Export.h"

namespace FMX {


// Calls Report for every family name of every installed font.
// ConfigFile empty: the process's fontconfig configuration (the one Pango
// draws with). Otherwise a configuration of its own is built from that
// file (fonts.conf syntax) for this call only; raises Exception naming the
// file when it cannot be loaded.
VXFMX_API void EnumFontFamilies(const std::function<void(std::string_view Family)>& Report,
                                const std::string& ConfigFile = {});

// The name with Unicode case folding applied, for comparing names ignoring
// case ("ÄRIAL" and "ärial" fold alike). Invalid UTF-8 comes back as it is.
VXFMX_API std::string FoldCase(std::string_view Name);

}  // namespace FMX
