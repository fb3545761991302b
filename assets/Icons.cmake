# The sizes of the window's icon, one PNG each, rendered from
# icons/punt-converter.svg with
#   rsvg-convert -w N -h N icons/punt-converter.svg -o icons/punt-converter-N.png
# The Qt resources, the Windows icon, the installed icons and their tests
# all take these.
set(PUNT_ICON_SIZES 16 32 48)
list(TRANSFORM PUNT_ICON_SIZES
    REPLACE "(.+)" "${CMAKE_CURRENT_LIST_DIR}/icons/punt-converter-\\1.png"
    OUTPUT_VARIABLE PUNT_ICON_FILES)
