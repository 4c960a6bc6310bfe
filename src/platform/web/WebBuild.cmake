# The browser program, configured with emcmake after the game library: the web host and the page
# (panipani.js, panipani.wasm, panipani.data, index.html) in the build folder, the page made one
# version for any static host in site/, and the frame benchmark's page in bench/. The default data
# folder, the glyph file and the page's icons come from a native build of the same tree,
# PANIPANI_NATIVE_BUILD_DIR.

option(PANIPANI_WEB_ASYNCIFY "Suspend the click wait through Asyncify (off only to measure it)" ON)

set(WEB_DIR ${CMAKE_SOURCE_DIR}/src/platform/web)
set(WEB_DATA ${PANIPANI_NATIVE_BUILD_DIR}/data)
set(WEB_GLYPHS ${PANIPANI_NATIVE_BUILD_DIR}/glyphs.bin)
set(WEB_ICONS ${PANIPANI_NATIVE_BUILD_DIR}/web-icons)
if(NOT EXISTS ${WEB_DATA}/cg OR NOT EXISTS ${WEB_GLYPHS} OR NOT EXISTS ${WEB_ICONS}/.generated)
  message(FATAL_ERROR "no data folder, glyph file and page icons in ${PANIPANI_NATIVE_BUILD_DIR}: "
                      "build the native tree first")
endif()
file(GLOB_RECURSE WEB_DATA_FILES CONFIGURE_DEPENDS ${WEB_DATA}/*)

# The page's scripts, prepended to the program in this order (panipani.js uses the others).
set(WEB_PAGE_SCRIPTS words layout textpanel gamepad offline panipani)
list(TRANSFORM WEB_PAGE_SCRIPTS REPLACE "(.+)" "${WEB_DIR}/page/\\1.js")

add_executable(panipani ${CMAKE_SOURCE_DIR}/src/app/WebMain.cpp)
set_target_properties(panipani PROPERTIES SUFFIX ".js" LINK_DEPENDS
                      "${WEB_PAGE_SCRIPTS};${WEB_GLYPHS};${WEB_DATA_FILES}")
target_link_libraries(panipani PRIVATE panipani_app panipani_web)
target_link_options(panipani PRIVATE
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  -sFORCE_FILESYSTEM=1
  -lidbfs.js
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_pp_check_save']"
  "-sEXPORTED_RUNTIME_METHODS=['FS','IDBFS','UTF8ToString']"
  "SHELL:--preload-file ${WEB_DATA}@/data"
  "SHELL:--preload-file ${WEB_GLYPHS}@${PANIPANI_DEFAULT_GLYPHS}"
  "SHELL:--exclude-file *.generated")
# Only the page's wait for input suspends; everything that can reach it is instrumented.
function(panipani_web_asyncify target)
  target_link_options(${target} PRIVATE -sASYNCIFY=1 "-sASYNCIFY_IMPORTS=['pp_wait_for_input']")
endfunction()
foreach(script IN LISTS WEB_PAGE_SCRIPTS)
  target_link_options(panipani PRIVATE "SHELL:--pre-js ${script}")
endforeach()
if(PANIPANI_WEB_ASYNCIFY)
  panipani_web_asyncify(panipani)
endif()

# The frame benchmark, bench/bench.html?program=render_frame, linked as the game is; and the same
# without Asyncify, ?program=render_frame_plain, to measure what Asyncify costs a frame.
foreach(variant render_frame render_frame_plain)
  add_executable(bench_${variant} ${CMAKE_SOURCE_DIR}/bench/web/render_frame.cpp)
  target_link_libraries(bench_${variant} PRIVATE panipani_bench_support)
  set_target_properties(bench_${variant} PROPERTIES OUTPUT_NAME ${variant} SUFFIX ".js"
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench LINK_DEPENDS ${WEB_GLYPHS})
  target_link_options(bench_${variant} PRIVATE -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
    "SHELL:--preload-file ${WEB_GLYPHS}@${PANIPANI_DEFAULT_GLYPHS}")
endforeach()
if(PANIPANI_WEB_ASYNCIFY)
  panipani_web_asyncify(bench_render_frame)
endif()

# The pages themselves, copied again whenever they change.
configure_file(${WEB_DIR}/page/index.html ${CMAKE_BINARY_DIR}/index.html COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/bench/web/bench.html ${CMAKE_BINARY_DIR}/bench/bench.html COPYONLY)

# The site: the page's files in one folder, stamped as one version (the service worker with their
# hashes, compressed copies beside them) by StampSite.cmake; scripts/web.sh serves and copies it.
set(WEB_SITE ${CMAKE_BINARY_DIR}/site)
set(WEB_SITE_FILES ${CMAKE_BINARY_DIR}/index.html ${CMAKE_BINARY_DIR}/panipani.js
    ${CMAKE_BINARY_DIR}/panipani.wasm ${CMAKE_BINARY_DIR}/panipani.data
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
  DEPENDS panipani ${CMAKE_BINARY_DIR}/index.html ${WEB_DIR}/page/manifest.webmanifest
          ${WEB_ICON_FILES} ${WEB_DIR}/page/sw.js
          ${WEB_DIR}/StampSite.cmake
  COMMENT "Stamping the site"
  VERBATIM)
add_custom_target(web_site ALL DEPENDS ${WEB_SITE}/sw.js)
