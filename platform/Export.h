#pragma once

// Symbols are hidden by default; the public API is marked with VXFMX_API.
#define VXFMX_API __attribute__((visibility("default")))
