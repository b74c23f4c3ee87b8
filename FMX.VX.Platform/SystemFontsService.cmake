# System fonts service and the unit's set-up and tear-down.
target_sources(VXFMXCommon PRIVATE SystemFontsService.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES SystemFontsService.h)
