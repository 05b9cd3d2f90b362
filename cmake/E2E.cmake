# Windows test drivers, built with the posix-thread compiler (GoogleTest needs
# std::mutex); they run under Wine against the programs of the release build.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(_t gtest gtest_main)
    target_compile_options(${_t} PRIVATE -Wno-error)
endforeach()

file(GLOB E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${E2E_SOURCES})
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(e2e_tests PRIVATE gtest_main shell32 user32 gdi32 advapi32 psapi)
set_target_properties(e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

file(GLOB FORM_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/forms/*.cpp)
add_executable(form_tests ${FORM_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/e2e/harness.cpp)
target_include_directories(form_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(form_tests PRIVATE vitrane_win gtest_main psapi)
set_target_properties(form_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# The README's pictures (scripts/screenshots.sh runs it).
add_executable(screenshots_driver ${CMAKE_SOURCE_DIR}/tests/screens/screenshots_driver.cpp
    ${CMAKE_SOURCE_DIR}/tests/e2e/harness.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/corvel_fixture.cpp)
target_include_directories(screenshots_driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(screenshots_driver PRIVATE gtest shell32 user32 gdi32 advapi32 psapi)
target_link_options(screenshots_driver PRIVATE -municode)
set_target_properties(screenshots_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
include(cmake/Corvel.cmake OPTIONAL)

# A slow-starting stand-in for Corvel.exe that records how it was started.
add_executable(corvel_stand_in WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/stand_in/corvel_stand_in.cpp)
target_link_options(corvel_stand_in PRIVATE -municode)
set_target_properties(corvel_stand_in PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(e2e_tests corvel_stand_in)
