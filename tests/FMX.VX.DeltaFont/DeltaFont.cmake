vxfmx_test_suite(delta_font DeltaFont_test.cpp)
