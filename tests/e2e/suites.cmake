# GoogleTest suites of the Windows test drivers, read from their sources so a
# new suite cannot be left out; each runs as one ctest test under Wine
# (e2e_tests.exe drives the real programs, form_tests.exe builds the forms in
# its own process).
function(gtest_suites_of out_var)
    set(_suites)
    foreach(_file ${ARGN})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_file})
        file(READ ${_file} _text)
        string(REGEX MATCHALL "(^|[^A-Za-z0-9_])TEST(_F|_P)?[ \t\r\n]*\\([ \t\r\n]*[A-Za-z0-9_]+"
               _uses "${_text}")
        foreach(_use ${_uses})
            string(REGEX REPLACE ".*\\([ \t\r\n]*" "" _suite "${_use}")
            list(APPEND _suites ${_suite})
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES _suites)
    list(SORT _suites)
    set(${out_var} ${_suites} PARENT_SCOPE)
endfunction()

file(GLOB _e2e_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
file(GLOB _form_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/forms/*.cpp)
gtest_suites_of(E2E_SUITES ${_e2e_sources})
gtest_suites_of(FORM_SUITES ${_form_sources})
