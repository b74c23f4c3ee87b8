# Driver of the install test (cmake -P); see CMakeLists.txt beside it.
cmake_minimum_required(VERSION 3.25)

foreach(Var BUILD_DIR WORK_DIR CONSUMER_DIR LIBDIR GENERATOR CXX PKG_CONFIG)
  if(NOT ${Var})
    message(FATAL_ERROR "install test: ${Var} not set")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE Result)
  if(NOT Result EQUAL 0)
    list(JOIN ARGN " " Command)
    message(FATAL_ERROR "install test: '${Command}' failed (${Result})")
  endif()
endfunction()

set(Prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

set(ConfigArgs)
if(CONFIG)
  set(ConfigArgs --config ${CONFIG})
endif()
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${Prefix} ${ConfigArgs})
set(RunEnv ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${Prefix}/${LIBDIR})

# 1. A CMake project: find_package(VXFMXCommon CONFIG REQUIRED).
set(CMakeBuild ${WORK_DIR}/cmake-consumer)
set(BuildTypeArgs)
if(CONFIG)
  set(BuildTypeArgs -DCMAKE_BUILD_TYPE=${CONFIG})
endif()
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${CMakeBuild} -G ${GENERATOR}
  -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}"
  ${BuildTypeArgs} -DCMAKE_PREFIX_PATH=${Prefix}
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_FIND_USE_SYSTEM_PACKAGE_REGISTRY=OFF)
# The package must come from the scratch prefix, not from an older install.
file(STRINGS ${CMakeBuild}/CMakeCache.txt FoundDir REGEX "^VXFMXCommon_DIR:")
string(REGEX REPLACE "^[^=]*=" "" FoundDir "${FoundDir}")
file(REAL_PATH "${FoundDir}" FoundDir)
file(REAL_PATH "${Prefix}" RealPrefix)
string(FIND "${FoundDir}" "${RealPrefix}/" Pos)
if(NOT Pos EQUAL 0)
  message(FATAL_ERROR "install test: found VXFMXCommon in '${FoundDir}', not under '${RealPrefix}'")
endif()
run(${CMAKE_COMMAND} --build ${CMakeBuild} ${ConfigArgs})
file(GLOB_RECURSE Consumer LIST_DIRECTORIES false ${CMakeBuild}/consumer ${CMakeBuild}/*/consumer)
list(GET Consumer 0 Consumer)
run(${RunEnv} ${Consumer})

# 2. One compiler call with the flags pkg-config gives for vxfmxcommon.
set(PcEnv ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${Prefix}/${LIBDIR}/pkgconfig)
execute_process(COMMAND ${PcEnv} ${PKG_CONFIG} --variable=libdir vxfmxcommon
  OUTPUT_VARIABLE PcLibDir OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE Result)
if(NOT Result EQUAL 0)
  message(FATAL_ERROR "install test: pkg-config does not know vxfmxcommon")
endif()
file(REAL_PATH "${PcLibDir}" PcLibDir)
if(NOT PcLibDir STREQUAL "${RealPrefix}/${LIBDIR}")
  message(FATAL_ERROR "install test: pkg-config gives libdir '${PcLibDir}', not '${RealPrefix}/${LIBDIR}'")
endif()
execute_process(COMMAND ${PcEnv} ${PKG_CONFIG} --cflags --libs vxfmxcommon
  OUTPUT_VARIABLE PcFlags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE Result)
if(NOT Result EQUAL 0)
  message(FATAL_ERROR "install test: pkg-config --cflags --libs vxfmxcommon failed")
endif()
separate_arguments(PcFlags UNIX_COMMAND "${PcFlags}")
separate_arguments(ExtraCxxFlags UNIX_COMMAND "${CXX_FLAGS}")
separate_arguments(ExtraLinkFlags UNIX_COMMAND "${LINK_FLAGS}")
set(PcConsumer ${WORK_DIR}/pkgconfig-consumer)
run(${CXX} -std=c++20 ${ExtraCxxFlags} ${CONSUMER_DIR}/main.cpp ${PcFlags} ${ExtraLinkFlags} -o ${PcConsumer})
run(${RunEnv} ${PcConsumer})
