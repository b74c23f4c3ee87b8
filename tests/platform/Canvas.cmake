vxfmx_test_suite(platform_canvas
  BrushFont_test.cpp CairoCanvas_test.cpp CairoContext_test.cpp CairoText_test.cpp Bitmap_test.cpp
  CairoDocument_test.cpp RecordingCanvas_test.cpp)
# Hostile numbers: huge coordinates, wide strokes, long dashes.
vxfmx_test_suite(platform_hostile CairoHostile_test.cpp BitmapPng_test.cpp)
# The context test makes its own cairo surface.
target_link_libraries(test_platform_canvas PRIVATE PkgConfig::VXFMX_DEPS)
