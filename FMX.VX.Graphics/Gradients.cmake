# Multi-colour gradients: platform gradients, strips and rings.
target_sources(VXFMXCommon PRIVATE Gradients.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Gradients.h)
