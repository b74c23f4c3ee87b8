# Shapes in 24 styles, flat and raised, and off-screen composition.
target_sources(VXFMXCommon PRIVATE Shapes.cpp Offscreen.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES Shapes.h)
