#pragma once
// The path-text reader behind TVXPathData::SetData (not installed).

#include <string_view>

namespace FMX::VX::Graphics {
class TVXPathData;
}

namespace FMX::VX::Graphics::Detail {

// Appends the figure described by Text to Path, command by command. Text it
// cannot use ends a command or the whole parse; what was added stays. Never
// throws on its own (only what the path's operations raise passes through).
// The caller batches the changes and clears the path first.
void ParsePathString(TVXPathData& Path, std::string_view Text);

}  // namespace FMX::VX::Graphics::Detail
