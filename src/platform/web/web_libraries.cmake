# The web edition's libraries (included from src/CMakeLists.txt in an emscripten build).
# Picture files through the stb decoders: the site's platform and the web driver read with it.
find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT STB_INCLUDE_DIR)
  message(FATAL_ERROR "stb_image.h not found (Debian: libstb-dev; scripts/web.sh installs it)")
endif()
quorrel_layer(quorrel_web_pictures platform/web/pictures/*.cpp)
target_link_libraries(quorrel_web_pictures PUBLIC quorrel_window)
target_include_directories(quorrel_web_pictures SYSTEM PRIVATE ${STB_INCLUDE_DIR})

# The browser's platform: canvas, pointer and keys, Web Audio and the clock through the page's
# glue (web/page.js).
quorrel_layer(quorrel_web platform/web/*.cpp)
target_link_libraries(quorrel_web PUBLIC quorrel_screens quorrel_web_pictures)
