# The call-stack table that lets a crash report name functions, source files and lines on a user's
# machine without debug files.
#
#   huecast_attach_crash_map(<target>)   after linking, append the table to the executable and strip its
#                                        debug sections (tools/crash-map/crash_map.py)
#
# Windows builds compile with line tables (-g1) for this; they leave the shipped executable again when the
# table is appended. 32-bit builds keep frame pointers, which the reporter's stack walk follows there.
include_guard(GLOBAL)

if(WIN32)
    target_compile_options(huecast_options INTERFACE -g1)
    # 32-bit code has no unwind tables the system can walk; the reporter follows the frame-pointer chain.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        target_compile_options(huecast_options INTERFACE -fno-omit-frame-pointer)
    endif()
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(HUECAST_CRASH_MAP_PYTHON ${Python3_EXECUTABLE} CACHE INTERNAL "Python that runs the crash-map step")
endif()

function(huecast_attach_crash_map target)
    if(NOT WIN32)
        return()
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${HUECAST_CRASH_MAP_PYTHON} ${CMAKE_SOURCE_DIR}/tools/crash-map/crash_map.py
                --nm ${CMAKE_NM} --objdump ${CMAKE_OBJDUMP} --objcopy ${CMAKE_OBJCOPY}
                --root ${CMAKE_SOURCE_DIR} --build-dir ${CMAKE_BINARY_DIR}
                $<TARGET_FILE:${target}>
        COMMENT "Appending the call-stack table to ${target}"
        VERBATIM)
endfunction()
