# Interface identifiers, the platform-services registry, string lists and
# the installed font families.
target_sources(VXFMXCommon PRIVATE PlatformServices.cpp StringList.cpp SystemFonts.cpp
  PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES PlatformServices.h StringList.h SystemFonts.h)
