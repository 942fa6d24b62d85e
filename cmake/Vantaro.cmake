# Project-wide names and the helpers that define libraries and test executables.
set(VANTARO_APP_TITLE "Vantaro")
set(VANTARO_ORGANISATION "Corvale")
if(NOT DEFINED PROJECT_VERSION_TWEAK OR PROJECT_VERSION_TWEAK STREQUAL "")
  set(PROJECT_VERSION_TWEAK 0)
endif()

# A core library may not see Qt: it links nothing from Qt and gets no Qt include path,
# so an include of a Qt header fails to build.
function(vantaro_core_library name)
  set(sources ${ARGN})
  if(NOT sources)
    # A layer that has no code yet still builds as an empty library.
    set(sources ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${sources} "")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# One GoogleTest executable per layer, registered with CTest.
function(vantaro_test name)
  cmake_parse_arguments(T "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  if(NOT T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    VANTARO_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    VANTARO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
