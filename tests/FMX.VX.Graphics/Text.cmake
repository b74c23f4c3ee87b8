vxfmx_test_suite(graphics_text Text_test.cpp)
