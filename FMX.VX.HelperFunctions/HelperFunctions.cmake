# Tree-view and menu helpers.
target_sources(VXFMXCommon PRIVATE HelperFunctions.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES HelperFunctions.h)
