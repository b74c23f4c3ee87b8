# Delta font: a font that tracks which attributes differ from an original.
target_sources(VXFMXCommon PRIVATE DeltaFont.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES DeltaFont.h)
