vxfmx_test_suite(package Package_test.cpp)
