# Path container: point list, segment walk, shape builders, path text.
target_sources(VXFMXCommon PRIVATE PathData.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES PathData.h)
