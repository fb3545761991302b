# Runs the cross-built Windows programs under Wine, in a prefix of the build
# folder made for its architecture: CTest runs every Windows test program
# through PUNT_WINE_RUN.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(PUNT_WINE_ARCH win32)
else()
    set(PUNT_WINE_ARCH win64)
endif()
set(PUNT_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run ${PROJECT_BINARY_DIR}/wine-prefix
    ${PUNT_WINE_ARCH})
set(CMAKE_CROSSCOMPILING_EMULATOR ${PUNT_WINE_RUN})
