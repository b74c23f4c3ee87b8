vxfmx_test_suite(graphics_pathmeasure BezierPolygon_test.cpp PathMeasure_test.cpp PathHitTest_test.cpp)
# The hit tests compare with Cairo's fill.
target_link_libraries(test_graphics_pathmeasure PRIVATE PkgConfig::VXFMX_DEPS)
