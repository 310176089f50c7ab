# Build conventions shared by every folder: architecture name, static linking, GoogleTest and test registration.

if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ORVAN_ARCH win64)
  else()
    set(ORVAN_ARCH win32)
  endif()
  enable_language(RC)
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)
  # Deliverables and test programs alike carry their runtime: no MinGW DLL may be needed beside them.
  string(APPEND CMAKE_EXE_LINKER_FLAGS " -static -static-libgcc -static-libstdc++")
  string(APPEND CMAKE_SHARED_LINKER_FLAGS " -static -static-libgcc -static-libstdc++")
  string(APPEND CMAKE_MODULE_LINKER_FLAGS " -static -static-libgcc -static-libstdc++")
  # Libraries loaded by a host are GUI-subsystem images, as the hosts' own plug-ins are.
  string(APPEND CMAKE_SHARED_LINKER_FLAGS " -Wl,--subsystem,windows")
  string(APPEND CMAKE_MODULE_LINKER_FLAGS " -Wl,--subsystem,windows")
else()
  set(ORVAN_ARCH native)
endif()
add_compile_options(-Wall -Wextra)

# The other architecture's build folder: tests that need a program of the other bitness find it there.
set(ORVAN_BUILD_ROOT ${CMAKE_SOURCE_DIR}/build CACHE PATH "Folder holding the native, win32 and win64 builds")
set(ORVAN_WIN32_DIR ${ORVAN_BUILD_ROOT}/win32)
set(ORVAN_WIN64_DIR ${ORVAN_BUILD_ROOT}/win64)

# GoogleTest from Debian's sources, built with the same compiler as the code under test.
set(ORVAN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${ORVAN_GTEST_SOURCE}/CMakeLists.txt AND NOT TARGET gtest)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORVAN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# orvan_add_gtest(NAME SOURCES ... [LIBS ...] [ENV VAR=VALUE ...] [TIMEOUT s] [LABELS ...] [PARALLEL])
# One GoogleTest program, one ctest entry; under a cross build ctest runs it through Wine.
# Windows tests share one Wine prefix, its registry and C: drive, so they run one at a time unless
# PARALLEL says the program touches nothing shared (no registry, only folders of its own). A test that needs
# a further lock appends it (set_property(TEST ... APPEND PROPERTY RESOURCE_LOCK ...)), never replaces this one.
function(orvan_add_gtest name)
  cmake_parse_arguments(T "PARALLEL" "TIMEOUT" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(WIN32)
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE OFF)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 240)
  endif()
  add_test(NAME ${ORVAN_ARCH}.${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${ORVAN_ARCH}.${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    LABELS "${ORVAN_ARCH};${T_LABELS}"
    ENVIRONMENT "ORVAN_SOURCE_DIR=${CMAKE_SOURCE_DIR};ORVAN_BUILD_DIR=${CMAKE_BINARY_DIR};ORVAN_WIN32_DIR=${ORVAN_WIN32_DIR};ORVAN_WIN64_DIR=${ORVAN_WIN64_DIR};${T_ENV}")
  if(WIN32 AND NOT T_PARALLEL)
    set_tests_properties(${ORVAN_ARCH}.${name} PROPERTIES RESOURCE_LOCK wine_prefix)
  endif()
endfunction()

# Every program and library of one build lands in bin/, so tests find their helpers and plug-ins beside them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# orvan_add_bench(NAME SOURCES ... [LIBS ...]): a benchmark program that ./run bench runs; never a test.
function(orvan_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS})
  set_property(GLOBAL APPEND PROPERTY ORVAN_BENCHMARKS "$<TARGET_FILE:${name}>")
endfunction()
