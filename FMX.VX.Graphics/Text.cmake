# Text height, wrapping and rotated extents.
target_sources(VXFMXCommon PRIVATE Text.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Text.h)
