# Bezier polygons, cubic flattening, path measurement and hit tests.
target_sources(VXFMXCommon PRIVATE BezierPolygon.cpp CubicFlatten.cpp PathMeasure.cpp PathHitTest.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES BezierPolygon.h)
