# Tests that need the Windows builds: the XP import check of the 32-bit
# programs and the drivers run under Wine. The builds live next to this one
# (see CMakePresets.json); the test command builds them first.
include(${CMAKE_SOURCE_DIR}/tests/e2e/suites.cmake)
get_filename_component(_build_root ${CMAKE_BINARY_DIR} DIRECTORY)
set(_scripts ${CMAKE_SOURCE_DIR}/scripts)

foreach(_exe Vitrane Corvel)
    add_test(NAME xp.${_exe}
        COMMAND ${_scripts}/check-xp-imports.sh i686-w64-mingw32-objdump
                ${_build_root}/win-i686/bin/${_exe}.exe)
endforeach()

# Environments started at the same moment each get a display of their own.
add_test(NAME wine.displays COMMAND ${_scripts}/check-displays.sh 4)
set_tests_properties(wine.displays PROPERTIES TIMEOUT 120)

# 32-bit Wine needs a kernel that runs 32-bit Linux programs; not every
# machine does (containers often don't).
execute_process(COMMAND /usr/lib/wine/wine --version
    RESULT_VARIABLE _wine32_rc OUTPUT_QUIET ERROR_QUIET)
set(_arches x86_64)
if(_wine32_rc EQUAL 0)
    list(APPEND _arches i686)
else()
    message(STATUS "32-bit Wine cannot run here: the Wine tests use the x86_64 build only")
endif()

foreach(_arch ${_arches})
    set(_state ${_build_root}/e2e-${_arch}/wine)
    set(_bin ${_build_root}/win-${_arch}/bin)
    set(_drivers ${_build_root}/e2e-${_arch}/bin)
    string(REPLACE "/" "\\" _bin_win "Z:${_bin}")
    add_test(NAME wine.${_arch}.setup COMMAND ${_scripts}/wine-env.sh start ${_state} ${_arch})
    add_test(NAME wine.${_arch}.cleanup COMMAND ${_scripts}/wine-env.sh stop ${_state})
    set_tests_properties(wine.${_arch}.setup PROPERTIES FIXTURES_SETUP wine_${_arch} TIMEOUT 300)
    set_tests_properties(wine.${_arch}.cleanup PROPERTIES FIXTURES_CLEANUP wine_${_arch})
    foreach(_kind e2e form)
        if(_kind STREQUAL "e2e")
            set(_suites ${E2E_SUITES})
        else()
            set(_suites ${FORM_SUITES})
        endif()
        add_test(NAME ${_kind}.${_arch}.suites-registered
            COMMAND ${_scripts}/check-suites.sh ${_state} ${_drivers}/${_kind}_tests.exe ${_suites})
        set_tests_properties(${_kind}.${_arch}.suites-registered PROPERTIES
            FIXTURES_REQUIRED wine_${_arch} RESOURCE_LOCK wine_${_arch} TIMEOUT 120)
        foreach(_suite ${_suites})
            set(_name ${_kind}.${_arch}.${_suite})
            add_test(NAME ${_name}
                COMMAND ${_scripts}/wine-env.sh run ${_state} ${_drivers}/${_kind}_tests.exe
                        --gtest_filter=${_suite}.*:${_suite}/*)
            set_tests_properties(${_name} PROPERTIES
                FIXTURES_REQUIRED wine_${_arch}
                RESOURCE_LOCK wine_${_arch}
                ENVIRONMENT "VITRANE_BIN_DIR=${_bin_win}"
                TIMEOUT 600)
        endforeach()
    endforeach()
endforeach()
