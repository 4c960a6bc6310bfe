# The browser program, configured with emcmake after the game library. In the build folder: the
# data package (panipani.data and its loader panipani-data.js); the program twice,
# panipani.js/.wasm and panipani-simd.js/.wasm, the second compiled with WebAssembly SIMD by a
# second configuration of this tree in simd/ (the page's loader start.js picks the one the browser
# runs); the sound worker panipani-sounds.js/.wasm, the data generator's synthesiser with the
# sounds' recipes, which makes the data folder's sounds while the program loads (the page carries
# a few kilobytes of recipes instead of two megabytes of sounds); the page made one version for any
# static host in site/; and the frame benchmark's pages in bench/. The default data folder, the
# glyph files and the page's icons come from a native build of the same tree,
# PANIPANI_NATIVE_BUILD_DIR: the page packages its own small glyph file (the characters of the
# game's texts), the benchmark the whole one.

option(PANIPANI_WEB_ASYNCIFY "Suspend the click wait through Asyncify (off only to measure it)" ON)
set(PANIPANI_WEB_OUTPUT_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Where the page's programs go")

set(WEB_DIR ${CMAKE_SOURCE_DIR}/src/platform/web)
set(WEB_DATA ${PANIPANI_NATIVE_BUILD_DIR}/data)
set(WEB_GLYPHS ${PANIPANI_NATIVE_BUILD_DIR}/glyphs.bin)
set(WEB_PAGE_GLYPHS ${PANIPANI_NATIVE_BUILD_DIR}/glyphs-page.bin)
set(WEB_ICONS ${PANIPANI_NATIVE_BUILD_DIR}/web-icons)
if(NOT EXISTS ${WEB_DATA}/cg OR NOT EXISTS ${WEB_GLYPHS} OR NOT EXISTS ${WEB_PAGE_GLYPHS}
   OR NOT EXISTS ${WEB_ICONS}/.generated)
  message(FATAL_ERROR "no data folder, glyph files and page icons in "
                      "${PANIPANI_NATIVE_BUILD_DIR}: build the native tree first")
endif()
set(WEB_SUFFIX "")
if(PANIPANI_WEB_SIMD)
  set(WEB_SUFFIX "-simd")
endif()

# The page's scripts, prepended to the program in this order (panipani.js uses the others).
set(WEB_PAGE_SCRIPTS words layout textpanel gamepad offline panipani)
list(TRANSFORM WEB_PAGE_SCRIPTS REPLACE "(.+)" "${WEB_DIR}/page/\\1.js")

# The optimiser inlines a function called from one place whatever its size, and the browser
# compiles each function whole on its first call: the event entry and main had grown to 48 and
# 64 KB, most of it code the start never runs. Capped, the page compiles a tenth less before its
# first frame and reaches it about 40 ms sooner.
set(WEB_INLINING "-sBINARYEN_EXTRA_PASSES=--one-caller-inline-max-function-size=300")

add_executable(panipani ${CMAKE_SOURCE_DIR}/src/app/WebMain.cpp)
set_target_properties(panipani PROPERTIES OUTPUT_NAME panipani${WEB_SUFFIX} SUFFIX ".js"
                      RUNTIME_OUTPUT_DIRECTORY ${PANIPANI_WEB_OUTPUT_DIR}
                      LINK_DEPENDS "${WEB_PAGE_SCRIPTS};${WEB_DIR}/library.js")
target_link_libraries(panipani PRIVATE panipani_app panipani_web)
target_link_options(panipani PRIVATE
  ${WEB_INLINING}
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  -sFORCE_FILESYSTEM=1
  -lidbfs.js
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_pp_check_save']"
  "-sEXPORTED_RUNTIME_METHODS=['FS','IDBFS','UTF8ToString']"
  "SHELL:--js-library ${WEB_DIR}/library.js")
# Only the page's waits for input, the sounds and the saves suspend (EM_ASYNC_JS imports, which
# Asyncify knows by their prefix) and emscripten_sleep, with which the program lets the page run
# during its start; all that can reach them is instrumented.
function(panipani_web_asyncify target)
  target_link_options(${target} PRIVATE -sASYNCIFY=1)
endfunction()
foreach(script IN LISTS WEB_PAGE_SCRIPTS)
  target_link_options(panipani PRIVATE "SHELL:--pre-js ${script}")
endforeach()
if(PANIPANI_WEB_ASYNCIFY)
  panipani_web_asyncify(panipani)
endif()

# The frame benchmark, bench/bench.html?program=render_frame, linked as the game is; the same
# without Asyncify, ?program=render_frame_plain, to measure what Asyncify costs a frame; and the
# SIMD build's, ?program=render_frame_simd.
if(PANIPANI_WEB_SIMD)
  set(WEB_BENCH_VARIANTS render_frame_simd)
else()
  set(WEB_BENCH_VARIANTS render_frame render_frame_plain)
endif()
foreach(variant ${WEB_BENCH_VARIANTS})
  add_executable(bench_${variant} ${CMAKE_SOURCE_DIR}/bench/web/render_frame.cpp)
  target_link_libraries(bench_${variant} PRIVATE panipani_bench_support)
  set_target_properties(bench_${variant} PROPERTIES OUTPUT_NAME ${variant} SUFFIX ".js"
                        RUNTIME_OUTPUT_DIRECTORY ${PANIPANI_WEB_OUTPUT_DIR}/bench
                        LINK_DEPENDS ${WEB_GLYPHS})
  target_link_options(bench_${variant} PRIVATE ${WEB_INLINING} -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
    "SHELL:--preload-file ${WEB_GLYPHS}@${PANIPANI_DEFAULT_GLYPHS}")
  if(PANIPANI_WEB_ASYNCIFY AND NOT variant STREQUAL "render_frame_plain")
    panipani_web_asyncify(bench_${variant})
  endif()
endforeach()

if(PANIPANI_WEB_SIMD)
  return()
endif()

# The data package both programs load: the data folder but its sounds, and the page's glyph file.
file(GLOB_RECURSE WEB_DATA_FILES CONFIGURE_DEPENDS ${WEB_DATA}/*)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/panipani.data ${CMAKE_BINARY_DIR}/panipani-data.js
  COMMAND ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager panipani.data --no-node
          --js-output=panipani-data.js
          --preload ${WEB_DATA}@/data ${WEB_PAGE_GLYPHS}@${PANIPANI_DEFAULT_GLYPHS}
          --exclude *.generated *.wav
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${WEB_DATA_FILES} ${WEB_PAGE_GLYPHS}
  COMMENT "Packaging the page's data"
  VERBATIM)
add_custom_target(page_data ALL DEPENDS ${CMAKE_BINARY_DIR}/panipani.data)

# The sound worker: the synthesiser and the recipes of data/sounds compiled together.
set(SOUND_WORKER_DIR ${CMAKE_SOURCE_DIR}/tools/datagen/web)
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/datagen ${CMAKE_BINARY_DIR}/datagen_sound)
file(GLOB SOUND_RECIPE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/sounds/*.txt)
set(SOUND_RECIPES_HEADER ${CMAKE_BINARY_DIR}/generated/SoundRecipes.h)
add_custom_command(
  OUTPUT ${SOUND_RECIPES_HEADER}
  COMMAND ${CMAKE_COMMAND} "-DFILES=${SOUND_RECIPE_FILES}" -DOUT=${SOUND_RECIPES_HEADER}
          -P ${SOUND_WORKER_DIR}/EmbedRecipes.cmake
  DEPENDS ${SOUND_RECIPE_FILES} ${SOUND_WORKER_DIR}/EmbedRecipes.cmake
  VERBATIM)
add_executable(sound_worker ${SOUND_WORKER_DIR}/SoundWorker.cpp ${SOUND_RECIPES_HEADER})
target_include_directories(sound_worker PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(sound_worker PRIVATE datagen_sound)
target_compile_options(datagen_sound PRIVATE -fexceptions)
target_compile_options(sound_worker PRIVATE -fexceptions)
set_target_properties(sound_worker PROPERTIES OUTPUT_NAME panipani-sounds SUFFIX ".js"
                      LINK_DEPENDS ${SOUND_WORKER_DIR}/sound-worker.js)
target_link_options(sound_worker PRIVATE -sENVIRONMENT=worker -sFILESYSTEM=0
  "SHELL:--pre-js ${SOUND_WORKER_DIR}/sound-worker.js")

# The SIMD programs: this tree configured again with PANIPANI_WEB_SIMD, built whenever this is,
# after the plain programs (the two builds do not compete for the cores). Its programs are named
# as byproducts, so that the site is stamped again only when they changed.
set(WEB_SIMD_PROGRAM ${CMAKE_BINARY_DIR}/panipani-simd.js ${CMAKE_BINARY_DIR}/panipani-simd.wasm)
include(ExternalProject)
ExternalProject_Add(simd_programs
  DEPENDS panipani bench_render_frame bench_render_frame_plain
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/simd
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
             -DPANIPANI_NATIVE_BUILD_DIR=${PANIPANI_NATIVE_BUILD_DIR}
             -DPANIPANI_WEB_ASYNCIFY=${PANIPANI_WEB_ASYNCIFY}
             -DPANIPANI_WEB_SIMD=ON
             -DPANIPANI_WEB_OUTPUT_DIR=${CMAKE_BINARY_DIR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR>
  BUILD_BYPRODUCTS ${WEB_SIMD_PROGRAM} ${CMAKE_BINARY_DIR}/bench/render_frame_simd.js
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)

# The pages themselves, copied again whenever they change.
configure_file(${WEB_DIR}/page/index.html ${CMAKE_BINARY_DIR}/index.html COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/bench/web/bench.html ${CMAKE_BINARY_DIR}/bench/bench.html COPYONLY)

# The site: every file the page loads, in one folder, stamped as one version (the service worker
# with their hashes, compressed copies beside them) by StampSite.cmake; scripts/web.sh serves and
# copies it.
set(WEB_SITE ${CMAKE_BINARY_DIR}/site)
set(WEB_SITE_FILES ${CMAKE_BINARY_DIR}/index.html ${WEB_DIR}/page/simd.js ${WEB_DIR}/page/start.js
    ${CMAKE_BINARY_DIR}/panipani-data.js ${CMAKE_BINARY_DIR}/panipani.data
    ${CMAKE_BINARY_DIR}/panipani.js ${CMAKE_BINARY_DIR}/panipani.wasm ${WEB_SIMD_PROGRAM}
    ${CMAKE_BINARY_DIR}/panipani-sounds.js ${CMAKE_BINARY_DIR}/panipani-sounds.wasm
    ${WEB_DIR}/page/manifest.webmanifest)
file(GLOB WEB_ICON_FILES CONFIGURE_DEPENDS ${WEB_ICONS}/*.png)
add_custom_command(
  OUTPUT ${WEB_SITE}/sw.js
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${WEB_SITE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${WEB_SITE}/icons
  COMMAND ${CMAKE_COMMAND} -E copy ${WEB_SITE_FILES} ${WEB_SITE}
  COMMAND ${CMAKE_COMMAND} -E copy ${WEB_ICON_FILES} ${WEB_SITE}/icons
  COMMAND ${CMAKE_COMMAND} -DSITE=${WEB_SITE} -DTEMPLATE=${WEB_DIR}/page/sw.js
          -P ${WEB_DIR}/StampSite.cmake
  DEPENDS panipani sound_worker ${CMAKE_BINARY_DIR}/panipani.data ${WEB_SIMD_PROGRAM}
          ${CMAKE_BINARY_DIR}/index.html ${WEB_DIR}/page/simd.js ${WEB_DIR}/page/start.js
          ${WEB_DIR}/page/manifest.webmanifest ${WEB_ICON_FILES} ${WEB_DIR}/page/sw.js
          ${WEB_DIR}/StampSite.cmake
  COMMENT "Stamping the site"
  VERBATIM)
add_custom_target(web_site ALL DEPENDS ${WEB_SITE}/sw.js)
