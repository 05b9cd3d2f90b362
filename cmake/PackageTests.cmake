# The download: two builds of the current commit, each in a fresh checkout of
# its own, give the same zip and programs (about a minute on two idle cores,
# a few under load). Skipped outside a git checkout. It keeps both cores busy,
# so it never runs beside the Wine tests, whose key polling it would starve.
add_test(NAME package.reproducible COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-reproducible.sh)
set_tests_properties(package.reproducible PROPERTIES
    SKIP_RETURN_CODE 77 TIMEOUT 1200 RESOURCE_LOCK "wine_x86_64;wine_i686")
