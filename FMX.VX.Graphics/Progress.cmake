# Segmented progress indicators.
target_sources(VXFMXCommon PRIVATE Progress.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Progress.h)
