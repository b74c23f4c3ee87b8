# Arrows with heads and captions.
target_sources(VXFMXCommon PRIVATE Arrows.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Arrows.h)
