# Pie wedges and ring sectors.
target_sources(VXFMXCommon PRIVATE Slices.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Slices.h)
