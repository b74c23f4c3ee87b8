# Named colours and colour text.
target_sources(VXFMXCommon PRIVATE AlphaColors.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES AlphaColors.h)
