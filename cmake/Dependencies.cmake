# zlib, libpng and libjpeg: Debian's packages natively; for Windows, zlib from
# libz-mingw-w64-dev and the others cross-built by scripts/build-windows-deps.sh.
if(WIN32)
  set(QUORVANE_WIN_DEPS ${CMAKE_SOURCE_DIR}/build/deps/win64 CACHE PATH "Cross-built Windows libraries")
  if(NOT EXISTS ${QUORVANE_WIN_DEPS}/lib/libpng16.a)
    message(FATAL_ERROR "Missing ${QUORVANE_WIN_DEPS}: run scripts/setup.sh first")
  endif()
  list(PREPEND CMAKE_FIND_ROOT_PATH ${QUORVANE_WIN_DEPS})
  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB REQUIRED)
  add_library(PNG::PNG STATIC IMPORTED)
  set_target_properties(PNG::PNG PROPERTIES
    IMPORTED_LOCATION ${QUORVANE_WIN_DEPS}/lib/libpng16.a
    INTERFACE_INCLUDE_DIRECTORIES ${QUORVANE_WIN_DEPS}/include
    INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
  add_library(JPEG::JPEG STATIC IMPORTED)
  set_target_properties(JPEG::JPEG PROPERTIES
    IMPORTED_LOCATION ${QUORVANE_WIN_DEPS}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${QUORVANE_WIN_DEPS}/include)
  set(benchmark_DIR ${QUORVANE_WIN_DEPS}/lib/cmake/benchmark)
  # One self-contained exe: the C and C++ runtimes and winpthread linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  find_package(ZLIB REQUIRED)
  find_package(PNG REQUIRED)
  find_package(JPEG REQUIRED)
endif()

if(NOT QUORVANE_HOST_TOOLS_ONLY)
  # GoogleTest is built from Debian's sources for each target.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  find_package(benchmark REQUIRED)
endif()
