# Corvel.exe, the tray-parking companion. Included by Windows.cmake for the
# programs; it links nothing of Vitrane, only the shared src/common helpers.
add_library(corvel_win STATIC ${CORVEL_WIN_SOURCES} ${COMPANION_LOGIC_SOURCES})
target_include_directories(corvel_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/generated)
if(TARGET common_logic)
    target_link_libraries(corvel_win PUBLIC common_logic)
else()
    target_sources(corvel_win PRIVATE src/common/window_class.cpp src/common/text.cpp)
endif()
target_link_libraries(corvel_win PUBLIC ${_system_libs})

add_executable(Corvel src/companion/main.cpp res/corvel.rc)
target_link_libraries(Corvel PRIVATE corvel_win)
set_source_files_properties(res/corvel.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/tray_artwork.bmp;${CMAKE_SOURCE_DIR}/res/corvel.ico;${CMAKE_SOURCE_DIR}/res/corvel.manifest")
windows_program(Corvel)
