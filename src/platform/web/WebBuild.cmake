# The browser build, configured with emcmake: the game library without FreeType and SDL, the web
# host, and the page (panipani.js, panipani.wasm, panipani.data, index.html) in the build folder.
# The default data folder comes from a native build: PANIPANI_NATIVE_BUILD/data.

set(PANIPANI_NATIVE_BUILD "${CMAKE_SOURCE_DIR}/build" CACHE PATH
    "the native build folder whose generated data/ the page packages")
option(PANIPANI_WEB_ASYNCIFY "Suspend the click wait through Asyncify (off only to measure it)" ON)

set(WEB_DIR ${CMAKE_SOURCE_DIR}/src/platform/web)
# The game reports some failures by exception (the mixer, start-up): catch them as natively.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
file(GLOB_RECURSE PANIPANI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)
list(FILTER PANIPANI_SOURCES EXCLUDE REGEX "/src/app/(Web)?[mM]ain\\.cpp$")
list(FILTER PANIPANI_SOURCES EXCLUDE REGEX "/src/platform/sdl/")
list(FILTER PANIPANI_SOURCES EXCLUDE REGEX "/src/gfx/Text\\.cpp$")
add_library(panipani_game STATIC ${PANIPANI_SOURCES})
target_include_directories(panipani_game PUBLIC ${CMAKE_SOURCE_DIR}/src)

set(WEB_DATA ${PANIPANI_NATIVE_BUILD}/data)
if(NOT EXISTS ${WEB_DATA}/cg)
  message(FATAL_ERROR "no generated data folder in ${WEB_DATA}: build the native tools first")
endif()
file(GLOB_RECURSE WEB_DATA_FILES CONFIGURE_DEPENDS ${WEB_DATA}/*)

add_executable(panipani ${CMAKE_SOURCE_DIR}/src/app/WebMain.cpp)
set_target_properties(panipani PROPERTIES SUFFIX ".js" LINK_DEPENDS
                      "${WEB_DIR}/page/panipani.js;${WEB_DATA_FILES}")
target_link_libraries(panipani PRIVATE panipani_game)
target_link_options(panipani PRIVATE
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  -sFORCE_FILESYSTEM=1
  -lidbfs.js
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_pp_check_save','_pp_fit_scale']"
  "-sEXPORTED_RUNTIME_METHODS=['FS','IDBFS','UTF8ToString']"
  --pre-js ${WEB_DIR}/page/panipani.js
  --preload-file ${WEB_DATA}@/data
  --exclude-file *.generated)
if(PANIPANI_WEB_ASYNCIFY)
  # Only the page's wait for input suspends; everything that can reach it is instrumented.
  target_link_options(panipani PRIVATE -sASYNCIFY=1 "-sASYNCIFY_IMPORTS=['pp_wait_for_input']")
endif()

add_custom_command(TARGET panipani POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${WEB_DIR}/page/index.html ${CMAKE_BINARY_DIR}/index.html)
