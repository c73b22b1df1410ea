# The web edition's programs (an emscripten build; scripts/web.sh configures it in build-web/):
# the headless driver for Node, speaking the native driver's protocol on the real file system.
add_library(quorrel_driver_lib STATIC tools/driver/driver.cpp)
target_include_directories(quorrel_driver_lib PUBLIC tools/driver)
target_link_libraries(quorrel_driver_lib PUBLIC quorrel_logic quorrel_headless
  quorrel_web_pictures quorrel_warnings)
target_compile_definitions(quorrel_driver_lib PRIVATE QUORREL_WEB_PICTURES)
add_executable(quorrel-driver tools/driver/main.cpp)
target_link_libraries(quorrel-driver PRIVATE quorrel_driver_lib)
# Node's own file system; a synchronous start, since the loader's fetch of the .wasm file
# fails under Node 18 and later.
target_link_options(quorrel-driver PRIVATE -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0
  -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=node
  "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/tools/driver/node_driver.js")
set_property(TARGET quorrel-driver APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_SOURCE_DIR}/tools/driver/node_driver.js)
set_target_properties(quorrel-driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The message catalogs, compiled into locale/ as for the desktop.
include(${CMAKE_SOURCE_DIR}/cmake/catalogs.cmake)

# The game for the browser: quorrel.js, quorrel.wasm and quorrel.data (the English recordings
# and the problems, the pictures, the help panel's and the window's catalogs, preloaded at
# /app). The other languages' recordings and the printable help pages stay out of it: the site
# serves them as files, fetched when they are wanted.
add_executable(quorrel src/app/web_main.cpp)
target_link_libraries(quorrel PRIVATE quorrel_logic quorrel_web)
add_dependencies(quorrel quorrel_catalogs)
file(GLOB language_folders LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/Media/* ${CMAKE_SOURCE_DIR}/help/*)
foreach(folder ${language_folders})
  get_filename_component(name ${folder} NAME)
  if(IS_DIRECTORY ${folder} AND NOT name STREQUAL "locale")
    target_link_options(quorrel PRIVATE "SHELL:--exclude-file ${folder}")
  endif()
endforeach()
target_link_options(quorrel PRIVATE -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
  -sFORCE_FILESYSTEM=1 -lidbfs.js
  "-sEXPORTED_RUNTIME_METHODS=['ccall','FS','addRunDependency','removeRunDependency']"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/Media@/app/Media"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/pictures@/app/pictures"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/help@/app/help"
  "SHELL:--preload-file ${CMAKE_BINARY_DIR}/locale@/app/locale")
set_target_properties(quorrel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The site: the page's files, the game, the help pages and the icons in build-web/site, with
# the service worker's list of files and their version written in.
file(GLOB site_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/*)
add_custom_target(site ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DBINARY=${CMAKE_BINARY_DIR}
    -P ${CMAKE_SOURCE_DIR}/cmake/web_site.cmake
  DEPENDS quorrel ${site_sources}
  COMMENT "Assembling the site in ${CMAKE_BINARY_DIR}/site")
