# Source lists shared by the build parts, by one rule: a source whose name
# ends in _win.cpp is Win32 glue; every other one is platform-free (no
# <windows.h>), built natively as well and unit-tested there. A program's
# entry point is its main.cpp.

# <prefix>_LOGIC_SOURCES and <prefix>_WIN_SOURCES of the given folders.
function(split_sources prefix)
    set(_logic)
    set(_win)
    foreach(_folder ${ARGN})
        file(GLOB _files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
            ${CMAKE_SOURCE_DIR}/src/${_folder}/*.cpp)
        foreach(_f ${_files})
            if(_f MATCHES "/main\\.cpp$")
                continue()
            elseif(_f MATCHES "_win\\.cpp$")
                list(APPEND _win ${_f})
            else()
                list(APPEND _logic ${_f})
            endif()
        endforeach()
    endforeach()
    set(${prefix}_LOGIC_SOURCES ${_logic} PARENT_SCOPE)
    set(${prefix}_WIN_SOURCES ${_win} PARENT_SCOPE)
endfunction()

# Shared by both programs: no program logic.
split_sources(COMMON common)
# Vitrane's subsystems.
split_sources(VITRANE settings core effects cpumon clip)
# Corvel, kept apart: it links nothing of Vitrane.
split_sources(CORVEL companion)
