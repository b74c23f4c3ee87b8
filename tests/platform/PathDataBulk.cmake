# Bulk building of a path's point list.
vxfmx_test_suite(platform_pathdata_bulk PathDataBulk_test.cpp)
