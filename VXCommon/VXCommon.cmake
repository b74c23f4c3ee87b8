# Sibling-package pieces: exception base, character tests, integer rectangles.
target_sources(VXFMXCommon PRIVATE
  HelperFunctions.cpp RectFunctions.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES
  VXException.h HelperFunctions.h RectFunctions.h)
