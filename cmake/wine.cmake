# Running Windows programs at test time: every test goes through
# tests/wine/run.sh, which keeps a private Wine prefix inside the build tree.
set(KORVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(KORVANE_WINE ${PROJECT_SOURCE_DIR}/tests/wine/run.sh ${KORVANE_WINEPREFIX})
