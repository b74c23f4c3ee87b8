# Three-dimensional frames.
target_sources(VXFMXCommon PRIVATE Frames.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Frames.h)
