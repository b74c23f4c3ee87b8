# Colours, palettes and colour schemes.
target_sources(VXFMXCommon PRIVATE Colors.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Colors.h)
