#pragma once
// VXFMXCommon: geometry, path data, drawing routines, canvas helper and
// control support. Including this header gives the whole public API.

// The platform stand-in: runtime pieces, canvas and path container.
#include "platform/AlphaColors.h"
#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/CairoCanvas.h"
#include "platform/CairoDocument.h"
#include "platform/Canvas.h"
#include "platform/Classes.h"
#include "platform/Control.h"
#include "platform/FmxObject.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/MainLoop.h"
#include "platform/Math.h"
#include "platform/NumberText.h"
#include "platform/PathData.h"
#include "platform/PlatformServices.h"
#include "platform/RecordingCanvas.h"
#include "platform/Set.h"
#include "platform/Shapes.h"
#include "platform/Streaming.h"
#include "platform/StringList.h"
#include "platform/SystemFonts.h"
#include "platform/Timer.h"
#include "platform/TreeView.h"
#include "platform/Types.h"

// The sibling package's pieces.
#include "VXCommon/HelperFunctions.h"
#include "VXCommon/RectFunctions.h"
#include "VXCommon/VXException.h"

// Graphics: geometry, colours, path data, drawing routines.
#include "FMX.VX.Graphics/BezierPolygon.h"
#include "FMX.VX.Graphics/BoundsRect.h"
#include "FMX.VX.Graphics/Colors.h"
#include "FMX.VX.Graphics/Frames.h"
#include "FMX.VX.Graphics/Geometry.h"
#include "FMX.VX.Graphics/Gradients.h"
#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/Shapes.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "FMX.VX.Graphics/Slices.h"
#include "FMX.VX.Graphics/Arrows.h"
#include "FMX.VX.Graphics/Text.h"
#include "FMX.VX.Graphics/Progress.h"
#include "FMX.VX.Graphics/VectorMatrix.h"

// Canvas helper and canvas save state.
#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.CanvasHelper/CanvasSaveState.h"

// Controls support: delta font, hint window, system fonts service, tree-view
// and menu helpers.
#include "FMX.VX.DeltaFont/DeltaFont.h"
#include "FMX.VX.HelperFunctions/HelperFunctions.h"
#include "FMX.VX.HintWindow/HintWindow.h"
#include "FMX.VX.Platform/SystemFontsService.h"

// Package load and unload.
#include "package/Package.h"
