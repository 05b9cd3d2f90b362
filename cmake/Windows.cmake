# Windows builds: the two programs, or the test drivers that run them under Wine.
if(NOT MINGW)
    message(FATAL_ERROR "Windows builds use MinGW-w64 (see README)")
endif()

# Shipped programs target XP; the drivers may use newer declarations.
if(VITRANE_PART STREQUAL "programs")
    add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501)
else()
    add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
if(VITRANE_PART STREQUAL "programs")
    # Where the checkout lies must not reach the programs (__FILE__ and the like).
    add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>"
                        "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>")
    add_link_options(-municode)  # wWinMain; the test drivers keep GoogleTest's main
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(_subsystem_version 5,--minor-subsystem-version,1)
else()
    set(_subsystem_version 5,--minor-subsystem-version,2)  # the first x64 Windows
endif()

set(_system_libs comctl32 shell32 gdi32 user32 advapi32 kernel32)

# The shared helpers, Win32 ones included: each program takes what it uses.
add_library(common_logic STATIC ${COMMON_LOGIC_SOURCES} ${COMMON_WIN_SOURCES})
target_include_directories(common_logic PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(common_logic PUBLIC shell32 user32)
add_library(logic STATIC ${VITRANE_LOGIC_SOURCES})
target_link_libraries(logic PUBLIC common_logic)

add_library(vitrane_win STATIC ${VITRANE_WIN_SOURCES})
target_include_directories(vitrane_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(vitrane_win PUBLIC logic ${_system_libs})

# Version resources, generated from the version numbers above.
function(vitrane_version_header name version)
    string(REPLACE "." ";" _parts ${version})
    list(GET _parts 0 VERSION_MAJOR)
    list(GET _parts 1 VERSION_MINOR)
    list(GET _parts 2 VERSION_PATCH)
    set(VERSION_TEXT ${version})
    configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in
        ${CMAKE_BINARY_DIR}/generated/${name}_version.h @ONLY)
endfunction()
vitrane_version_header(vitrane ${VITRANE_VERSION})
vitrane_version_header(corvel ${CORVEL_VERSION})

enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR}/generated -I${CMAKE_SOURCE_DIR}/res")

function(windows_program target)
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
        WIN32_EXECUTABLE ON)
    # No time stamp in the PE header (ld puts the link time there unless
    # SOURCE_DATE_EPOCH is set), so one commit always links to the same bytes.
    target_link_options(${target} PRIVATE
        -Wl,--major-subsystem-version,${_subsystem_version}
        -Wl,--major-os-version,5,--minor-os-version,1 -Wl,--no-insert-timestamp -s)
endfunction()

if(VITRANE_PART STREQUAL "programs")
    add_executable(Vitrane src/core/main.cpp res/vitrane.rc)
    target_link_libraries(Vitrane PRIVATE vitrane_win)
    windows_program(Vitrane)
    include(cmake/Corvel.cmake OPTIONAL)
else()
    include(cmake/E2E.cmake)
endif()
