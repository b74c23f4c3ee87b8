#pragma once
// VXFMXCommon: geometry, path data, drawing routines, canvas helper and
// control support. Including this header gives the whole public API.

#include "platform/Classes.h"
#include "platform/Math.h"
#include "platform/NumberText.h"
#include "platform/Set.h"
#include "platform/Types.h"
