# Streaming of the bounds-rectangle classes' published properties.
target_sources(VXFMXCommon PRIVATE BoundsRectStreaming.cpp)
