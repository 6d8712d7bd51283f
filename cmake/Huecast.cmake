# Target helpers shared by every folder, so each folder's CMakeLists.txt only names sources and links.
#
#   huecast_library(NAME SOURCES ... [DEPS ...])          portable core library, builds everywhere
#   huecast_win32_library(NAME SOURCES ... [DEPS ...])    Win32 layer library, MinGW build only
#   huecast_test(NAME SOURCES ... [DEPS ...])             native GoogleTest executable, run by ctest
#   huecast_win32_test(NAME SOURCES ... [DEPS ...] [TIMEOUT s])  Windows GoogleTest executable, run under Wine
#                                                         in a test slot of its own (scripts/wine-slots.sh)
#   huecast_benchmark(NAME SOURCES ... [DEPS ...])        Google Benchmark executable (native)
#   huecast_fuzz(NAME SOURCES ... [DEPS ...])             libFuzzer target (native clang)
#   huecast_built_in_skin(NAME)                           gives a Windows test or benchmark the built-in skin
#                                                         in its resources, as the program carries it

# GCC 12 reports members left out of a designated initializer as missing (-Wmissing-field-initializers,
# fixed in GCC 13), yet leaving them to their defaults is the point of the program's argument structs.
set(HUECAST_WARNINGS -Wall -Wextra -Wshadow -Wno-missing-field-initializers)
# GCC 12 also reports a string literal prepended to a temporary std::string as an overlapping copy when it
# inlines at -O3 in release builds (-Wrestrict, a known false positive fixed in GCC 13); the idiom is
# everywhere in the program.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13
   AND CMAKE_BUILD_TYPE STREQUAL "Release")
    list(APPEND HUECAST_WARNINGS -Wno-restrict)
endif()
# The native and Windows builds keep warnings out by failing on them (scripts/build.sh turns this on).
option(HUECAST_WERROR "Treat warnings as errors" OFF)
if(HUECAST_WERROR)
    list(APPEND HUECAST_WARNINGS -Werror)
endif()
# The Win32 layer's own strings are written in UTF-8 in the sources and handled as the system code page's
# bytes (936, GBK) at run time.
set(HUECAST_GBK_FLAGS -finput-charset=UTF-8 -fexec-charset=GBK)
# clang knows no execution character set but UTF-8; in the fuzz build (the one clang build) a portable
# file's captions then stay UTF-8, which changes what they read, not what is checked.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(HUECAST_GBK_FLAGS "")
endif()

add_library(huecast_options INTERFACE)
target_include_directories(huecast_options INTERFACE ${CMAKE_SOURCE_DIR})
target_compile_options(huecast_options INTERFACE ${HUECAST_WARNINGS})
if(HUECAST_SANITIZE)
    target_compile_options(huecast_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                     -fno-sanitize-recover=undefined)
    target_link_options(huecast_options INTERFACE -fsanitize=address,undefined)
endif()
# Preconditions are checked where bugs are hunted (base/expects.h): the sanitizer, fuzz and Windows test
# builds; the 32-bit release program and the benchmarks leave them out.
option(HUECAST_CHECKS "Check the callers' preconditions" OFF)
if(HUECAST_CHECKS OR HUECAST_SANITIZE OR HUECAST_FUZZ)
    target_compile_definitions(huecast_options INTERFACE HUECAST_CHECKS=1)
endif()
if(HUECAST_FUZZ)
    target_compile_options(huecast_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(huecast_options INTERFACE -fsanitize=address,undefined)
endif()
if(WIN32)
    # Strings are the system code page's bytes; the A functions are the ones the program uses.
    target_compile_definitions(huecast_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                                                         WINVER=0x0601)
    # Everything static: the exe needs nothing but the system's own DLLs.
    target_link_options(huecast_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

macro(huecast_parse_args)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
endmacro()

function(huecast_library name)
    huecast_parse_args(${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC huecast_options ${ARG_DEPS})
endfunction()

function(huecast_win32_library name)
    if(WIN32)
        huecast_library(${name} ${ARGN})
    endif()
endfunction()

function(huecast_find_gtest)
    if(WIN32)
        # Debian ships GoogleTest's sources; the MinGW build compiles them itself.
        set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
        set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    else()
        find_package(GTest REQUIRED)
    endif()
endfunction()

function(huecast_test name)
    if(HUECAST_TESTS AND NOT WIN32)
        huecast_parse_args(${ARGN})
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE huecast_options ${ARG_DEPS} GTest::gtest GTest::gtest_main)
        add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
        set_tests_properties(${name} PROPERTIES LABELS native TIMEOUT 300)
    endif()
endfunction()

function(huecast_win32_test name)
    if(HUECAST_TESTS AND WIN32)
        huecast_parse_args(${ARGN})
        if(NOT ARG_TIMEOUT)
            set(ARG_TIMEOUT 300)
        endif()
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE huecast_options ${ARG_DEPS} gtest gtest_main)
        # The emulator (scripts/wine-run) runs it on the display and Wine prefix of the slot CTest gives it
        # (scripts/wine-slots.sh), so tests in other slots share no window, focus, pointer or clipboard.
        add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
        # The longest allowed start first (COST), so that no long test is left to run alone at the end.
        set_tests_properties(${name} PROPERTIES LABELS wine TIMEOUT ${ARG_TIMEOUT} COST ${ARG_TIMEOUT}
                                                RESOURCE_GROUPS wineslot:1)
    endif()
endfunction()

function(huecast_benchmark name)
    if(HUECAST_BENCHMARKS AND NOT WIN32)
        huecast_parse_args(${ARGN})
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE huecast_options ${ARG_DEPS} benchmark::benchmark)
    endif()
endfunction()

function(huecast_fuzz name)
    if(HUECAST_FUZZ AND NOT WIN32)
        huecast_parse_args(${ARGN})
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE huecast_options ${ARG_DEPS})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    endif()
endfunction()

function(huecast_built_in_skin name)
    if(TARGET ${name})
        target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/win32/built_in_skin.rc)
        # The resource script names the skin's files relative to app/.
        target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/app)
    endif()
endfunction()
