# Helpers shared by every target of the project.

# Our own code builds with warnings as errors; third-party headers come in as system headers.
function(pondaro_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
        -Wconversion -Wno-sign-conversion -Werror)
endfunction()

# Gives an executable its bundle information values (the platform's Bundle::main() reads them).
# Usage: pondaro_bundle_info(target KEY VALUE [KEY VALUE ...])
function(pondaro_bundle_info target)
    set(entries "")
    set(args ${ARGN})
    list(LENGTH args count)
    math(EXPR last "${count} - 1")
    foreach(i RANGE 0 ${last} 2)
        math(EXPR j "${i} + 1")
        list(GET args ${i} key)
        list(GET args ${j} value)
        string(APPEND entries "    {\"${key}\", \"${value}\"},\n")
    endforeach()
    set(file "${CMAKE_CURRENT_BINARY_DIR}/${target}_bundle_info.cpp")
    file(CONFIGURE OUTPUT "${file}" CONTENT
"#include \"platform/app/Bundle.h\"\n\nstatic const platform::BundleInfoRegistration bundleInfo{{\n${entries}}};\n")
    target_sources(${target} PRIVATE "${file}")
endfunction()

# One GoogleTest program for a folder of tests/ (or for the given sub-folders of it), linked to
# the given libraries.
function(pondaro_test_program name)
    cmake_parse_arguments(ARG "" "" "LIBRARIES;FOLDERS" ${ARGN})
    set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(folder IN LISTS ARG_FOLDERS)
        list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
    add_executable(${name} ${sources})
    pondaro_warnings(${name})
    target_link_libraries(${name} PRIVATE test_main ${ARG_LIBRARIES})
    # Test code is compiled for debugging rather than speed: -Og halves the time the test
    # macros take to compile, and the code under test keeps its own optimisation.
    target_compile_options(${name} PRIVATE -Og)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 120)
endfunction()
