# Package load and unload: unit set-up order and load counters.
target_sources(VXFMXCommon PRIVATE Package.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Package.h)
