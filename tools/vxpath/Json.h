#pragma once
// Output text of the path tool: numbers in their shortest form that reads
// back to the same value, and JSON strings.

#include <string>
#include <string_view>

namespace VXPath {

// Shortest text that reads back to exactly Value ("0.1", "24", "1e+21").
// Non-finite values are written "nan", "inf" and "-inf".
void AppendNumber(std::string& Out, double Value);
void AppendNumber(std::string& Out, float Value);
// As AppendNumber, but non-finite values become null, which JSON allows.
void AppendJsonNumber(std::string& Out, double Value);
void AppendJsonNumber(std::string& Out, float Value);
// A quoted JSON string; control characters, quotes and backslashes escaped.
// Bytes of 0x80 and above pass through (the text is UTF-8).
void AppendJsonString(std::string& Out, std::string_view Text);

}  // namespace VXPath
