# Canvas helper: immediate-mode drawing operations and canvas save state.
target_sources(VXFMXCommon PRIVATE CanvasSaveState.cpp CanvasHelper.cpp CanvasArcs.cpp CanvasText.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES CanvasSaveState.h CanvasHelper.h)
