# Unit tests of the platform-free code, under AddressSanitizer and UBSan.
enable_testing()

set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${_san})
add_link_options(${_san})

find_package(GTest QUIET)
if(NOT GTest_FOUND)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()
include(GoogleTest)

add_library(common_logic STATIC ${COMMON_LOGIC_SOURCES})
target_include_directories(common_logic PUBLIC ${CMAKE_SOURCE_DIR}/src)
add_library(logic STATIC ${VITRANE_LOGIC_SOURCES})
target_link_libraries(logic PUBLIC common_logic)
add_library(companion_logic STATIC ${CORVEL_LOGIC_SOURCES})
target_link_libraries(companion_logic PUBLIC common_logic)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(unit_tests PRIVATE
    VITRANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(unit_tests PRIVATE logic companion_logic GTest::gtest_main)
gtest_discover_tests(unit_tests TEST_PREFIX "unit." DISCOVERY_TIMEOUT 60)

include(cmake/WineTests.cmake)
include(cmake/PackageTests.cmake)
