# vxgallery: every drawing capability of the library as pictures and a page.
add_executable(vxgallery
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Gallery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IndexPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Output.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TileSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tiles.cpp)
target_link_libraries(vxgallery PRIVATE VXFMXCommon::VXFMXCommon PkgConfig::VXFMX_DEPS)
target_compile_options(vxgallery PRIVATE -Wall -Wextra -ffp-contract=off)
# The icon corpus loader is shared with the tests and the benchmarks.
target_include_directories(vxgallery PRIVATE ${PROJECT_SOURCE_DIR}/tests)
set_target_properties(vxgallery PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(TARGETS vxgallery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# One file of tiles per area (see Tiles.h).
target_sources(vxgallery PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TilesCanvasHelper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesBezier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesPathData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesShapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesGradients.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesSlices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesProgress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesArrows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TilesForm.cpp)
