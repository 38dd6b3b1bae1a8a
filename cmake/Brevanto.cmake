# Build helpers shared by every folder.
#
# Sources are declared where they live:
#   brevanto_portable(a.cpp ...)  logic without <windows.h>: every build, native tests
#   brevanto_win32(b.cpp ...)     the Win32 layer: Windows builds only
#   brevanto_dll(c.cpp ...)       only in Keyboard.dll itself (exports, DllMain)
#   brevanto_resources(d.rc ...)  resource scripts of the module
# Tests:
#   tests/native/**/*.cpp         one GoogleTest program, run natively under ASan and UBSan
#   tests/wine/**/*.cpp           one GoogleTest program, run under Wine once per screen size
#   brevanto_wine_program(name srcs...) an extra Win32 program (built, not run by itself);
#                                 the Wine suite is built after every such program
#   brevanto_fuzzer(name src)     a libFuzzer target over the portable library

set(BREVANTO_SCREENS 240x320 320x240 240x400 480x640 800x480 320x320
    CACHE STRING "Screen sizes the Wine suite runs on")
# A Pocket PC screen keeps 16 bits a pixel; the other sizes stay at 24 so that both depths are covered.
set(BREVANTO_16BIT_SCREENS 240x320 480x640
    CACHE STRING "Screen sizes of BREVANTO_SCREENS that run at 16 bits a pixel")
set(BREVANTO_WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine/run)
set(BREVANTO_WINE_STATE ${CMAKE_BINARY_DIR}/wine)

set(BREVANTO_WARNINGS -Wall -Wextra)
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  list(APPEND BREVANTO_WARNINGS -Wno-missing-field-initializers)
endif()

function(brevanto_portable)
  list(TRANSFORM ARGN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  target_sources(brevanto_portable PRIVATE ${ARGN})
endfunction()

function(brevanto_win32)
  if(WIN32)
    list(TRANSFORM ARGN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    target_sources(brevanto_win32 PRIVATE ${ARGN})
  endif()
endfunction()

function(brevanto_dll)
  if(WIN32)
    list(TRANSFORM ARGN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    target_sources(Keyboard PRIVATE ${ARGN})
  endif()
endfunction()

function(brevanto_resources)
  if(WIN32)
    list(TRANSFORM ARGN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    target_sources(brevanto_resources PRIVATE ${ARGN})
  endif()
endfunction()

# A Win32 program that tests start or that the repository ships (not linked into the DLL).
function(brevanto_wine_program name)
  if(WIN32)
    add_executable(${name} ${ARGN})
    target_compile_options(${name} PRIVATE ${BREVANTO_WARNINGS})
    target_link_libraries(${name} PRIVATE brevanto_win32)
    set_property(GLOBAL APPEND PROPERTY BREVANTO_WINE_PROGRAMS ${name})
  endif()
endfunction()

# Called once the whole tree is read: the Wine suite starts these programs,
# so they must be built (next to it, in bin/) before it runs.
function(brevanto_wine_tests_need_programs)
  get_property(programs GLOBAL PROPERTY BREVANTO_WINE_PROGRAMS)
  if(programs AND TARGET brevanto_wine_tests)
    add_dependencies(brevanto_wine_tests ${programs})
  endif()
endfunction()

function(brevanto_fuzzer name source)
  if(BREVANTO_FUZZ)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE brevanto_portable)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    # The harness is optimised (its string work was most of a run); the code under test
    # stays unoptimised, so that each of its branches remains an edge the fuzzer sees.
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer -O1)
  endif()
endfunction()
