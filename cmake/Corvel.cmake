# Corvel.exe, the tray-parking companion. It links nothing of Vitrane, only
# the shared src/common helpers. Included by Windows.cmake for the programs
# and by E2E.cmake for the test drivers, which check its Win32 side in-process.
add_library(corvel_win STATIC ${CORVEL_WIN_SOURCES} ${CORVEL_LOGIC_SOURCES})
target_include_directories(corvel_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(corvel_win PUBLIC common_logic)
target_link_libraries(corvel_win PUBLIC comctl32 shell32 gdi32 user32 advapi32 kernel32)

if(VITRANE_PART STREQUAL "programs")
    add_executable(Corvel src/companion/main.cpp res/corvel.rc)
    target_link_libraries(Corvel PRIVATE corvel_win)
    set_source_files_properties(res/corvel.rc PROPERTIES OBJECT_DEPENDS
        "${CMAKE_SOURCE_DIR}/res/tray_artwork.bmp;${CMAKE_SOURCE_DIR}/res/corvel.ico;${CMAKE_SOURCE_DIR}/res/corvel.manifest")
    windows_program(Corvel)
elseif(TARGET e2e_tests)
    # The tray artwork, under the id Corvel loads it by, and nothing else of
    # Corvel's resources (its manifest would change how the driver runs).
    enable_language(RC)
    set(_artwork_rc ${CMAKE_BINARY_DIR}/generated/corvel_artwork.rc)
    file(WRITE ${_artwork_rc}
        "#include \"${CMAKE_SOURCE_DIR}/src/companion/corvel_resources.h\"\n"
        "IDR_TRAY_ARTWORK RCDATA \"${CMAKE_SOURCE_DIR}/res/tray_artwork.bmp\"\n")
    set_source_files_properties(${_artwork_rc} PROPERTIES OBJECT_DEPENDS
        ${CMAKE_SOURCE_DIR}/res/tray_artwork.bmp)
    foreach(_driver e2e_tests screenshots_driver)
        target_sources(${_driver} PRIVATE ${_artwork_rc})
        target_link_libraries(${_driver} PRIVATE corvel_win)
    endforeach()
endif()
