# GoogleTest: the installed package natively; for the cross builds, built here from the sources
# that the distribution's googletest package installs, so nothing is downloaded.
if(CMAKE_CROSSCOMPILING)
    set(VEXA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
    if(NOT EXISTS ${VEXA_GTEST_SOURCE}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${VEXA_GTEST_SOURCE} (package googletest)")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${VEXA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # The sources define the GTest:: names themselves.
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# vexa_add_test(NAME target LABELS l... SOURCES s... LIBS l... [BACKEND b] [ENVIRONMENT v=x...]
#               [LOCK resource])
# One GoogleTest executable; its cases are discovered when the tests run, so cross-built
# executables are never started while building. Every test program links one window-system
# backend, the headless one unless BACKEND names another, as the window library needs one. Cases
# of programs that share a LOCK never run at the same time.
function(vexa_add_test name)
    cmake_parse_arguments(T "" "BACKEND;LOCK" "LABELS;SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    if(NOT T_BACKEND)
        set(T_BACKEND headless)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE vexa_ui_${T_BACKEND})
    if(CMAKE_CROSSCOMPILING)
        list(APPEND T_LABELS windows)
    endif()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main vexa_warnings)
    # The discovery would flatten list-valued properties (two labels, two variables), so the
    # properties are set by a file that CTest reads after the discovered cases; bracket arguments
    # keep each list whole.
    set(properties "LABELS [==[${T_LABELS}]==]")
    if(T_ENVIRONMENT)
        string(APPEND properties " ENVIRONMENT [==[${T_ENVIRONMENT}]==]")
    endif()
    if(T_LOCK)
        string(APPEND properties " RESOURCE_LOCK [==[${T_LOCK}]==]")
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60)
    set(properties_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
    file(WRITE ${properties_file}
        "foreach(test IN LISTS ${name}_TESTS)\n"
        "    set_tests_properties(\"\${test}\" PROPERTIES ${properties})\n"
        "endforeach()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties_file})
endfunction()
