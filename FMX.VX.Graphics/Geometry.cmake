# Geometry: unit base, points and rectangles, intersection and hit tests,
# vectors and matrices, bounds-rectangle classes.
target_sources(VXFMXCommon PRIVATE
  GraphicsUnit.cpp Geometry.cpp Intersection.cpp VectorMatrix.cpp BoundsRect.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES
  GraphicsUnit.h Geometry.h Intersection.h VectorMatrix.h BoundsRect.h)
