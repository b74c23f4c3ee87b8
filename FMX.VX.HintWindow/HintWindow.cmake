# Hint window: a self-hiding tooltip control.
target_sources(VXFMXCommon PRIVATE HintWindow.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES HintWindow.h)
