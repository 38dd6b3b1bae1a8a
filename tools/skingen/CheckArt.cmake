# The i686 build compiles the resource scripts against the artwork of the win64 build.
if(NOT EXISTS ${ART_DIR}/bar_qvga.bmp)
  message(FATAL_ERROR "No artwork in ${ART_DIR}: build the win64 preset first (it paints the bitmaps under Wine).")
endif()
