vxfmx_test_suite(graphics_geometry
  Geometry_test.cpp PointText_test.cpp Intersection_test.cpp VectorMatrix_test.cpp BoundsRect_test.cpp)
