# The browser program, configured with emcmake after the game library: the web host and the page
# (panipani.js, panipani.wasm, panipani.data, index.html) in the build folder. The default data
# folder and the glyph file come from a native build of the same tree, PANIPANI_NATIVE_BUILD_DIR.

option(PANIPANI_WEB_ASYNCIFY "Suspend the click wait through Asyncify (off only to measure it)" ON)

set(WEB_DIR ${CMAKE_SOURCE_DIR}/src/platform/web)
# The game reports some failures by exception (the mixer, start-up): catch them as natively.
target_compile_options(panipani_game PUBLIC -fexceptions)
target_link_options(panipani_game PUBLIC -fexceptions)
set(WEB_DATA ${PANIPANI_NATIVE_BUILD_DIR}/data)
set(WEB_GLYPHS ${PANIPANI_NATIVE_BUILD_DIR}/glyphs.bin)
if(NOT EXISTS ${WEB_DATA}/cg OR NOT EXISTS ${WEB_GLYPHS})
  message(FATAL_ERROR "no data folder and glyph file in ${PANIPANI_NATIVE_BUILD_DIR}: build the "
                      "native tree first")
endif()
file(GLOB_RECURSE WEB_DATA_FILES CONFIGURE_DEPENDS ${WEB_DATA}/*)

add_executable(panipani ${CMAKE_SOURCE_DIR}/src/app/WebMain.cpp)
set_target_properties(panipani PROPERTIES SUFFIX ".js" LINK_DEPENDS
                      "${WEB_DIR}/page/panipani.js;${WEB_GLYPHS};${WEB_DATA_FILES}")
target_link_libraries(panipani PRIVATE panipani_game)
target_link_options(panipani PRIVATE
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  -sFORCE_FILESYSTEM=1
  -lidbfs.js
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_pp_check_save','_pp_fit_scale']"
  "-sEXPORTED_RUNTIME_METHODS=['FS','IDBFS','UTF8ToString']"
  "SHELL:--pre-js ${WEB_DIR}/page/panipani.js"
  "SHELL:--preload-file ${WEB_DATA}@/data"
  "SHELL:--preload-file ${WEB_GLYPHS}@${PANIPANI_DEFAULT_GLYPHS}"
  "SHELL:--exclude-file *.generated")
if(PANIPANI_WEB_ASYNCIFY)
  # Only the page's wait for input suspends; everything that can reach it is instrumented.
  target_link_options(panipani PRIVATE -sASYNCIFY=1 "-sASYNCIFY_IMPORTS=['pp_wait_for_input']")
endif()

add_custom_command(TARGET panipani POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${WEB_DIR}/page/index.html ${CMAKE_BINARY_DIR}/index.html)
