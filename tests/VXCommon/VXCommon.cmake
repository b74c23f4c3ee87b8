vxfmx_test_suite(vxcommon VXCommon_test.cpp)
