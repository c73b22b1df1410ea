# What `cmake --install` puts where, and the Debian package made of it by `cpack -G DEB`.
# The installed game finds its data at ../share/quorrel beside its bin folder, so the tree
# works under any prefix.
set(QUORREL_APP_ID example.brindlecove.Quorrel)
set(QUORREL_DATA ${CMAKE_SOURCE_DIR}/data)

# Debian wants the man page and the changelog compressed, reproducibly (no name or time).
set(QUORREL_GZIPPED)
foreach(doc quorrel.6 changelog)
  set(out ${CMAKE_BINARY_DIR}/${doc}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND sh -c "gzip -9n -c '${QUORREL_DATA}/${doc}' > '${out}'"
    DEPENDS ${QUORREL_DATA}/${doc} VERBATIM)
  list(APPEND QUORREL_GZIPPED ${out})
endforeach()
add_custom_target(quorrel_docs DEPENDS ${QUORREL_GZIPPED})
add_dependencies(quorrel quorrel_docs)

install(TARGETS quorrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY Media pictures help DESTINATION ${CMAKE_INSTALL_DATADIR}/quorrel)
include(${CMAKE_CURRENT_LIST_DIR}/catalogs.cmake)
add_dependencies(quorrel quorrel_catalogs)
# The menu entry and the metadata as msgfmt wrote them, with every language's texts.
install(FILES ${QUORREL_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORREL_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256 512)
  install(FILES ${QUORREL_DATA}/icons/${size}.png RENAME ${QUORREL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${QUORREL_DATA}/icons/scalable.svg RENAME ${QUORREL_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/quorrel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES README.md ${QUORREL_DATA}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrel)
set(CPACK_PACKAGE_VENDOR "Brindlecove Software")
set(CPACK_PACKAGE_CONTACT "Brindlecove Software <games@brindlecove.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number puzzle game for children")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quorrel deals four numbers and asks for a target answer, such as 24, made"
  "by adding, subtracting, multiplying and dividing them. It speaks the"
  "numbers, gives hints, keeps score and rewards a solved puzzle with a"
  "spirolateral drawing; a maker lets players draw their own spirolaterals."
  "For players aged 6 to 12.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the fonts the text is drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
# Debian keeps games in /usr/games; the tree is otherwise the one `cmake --install` makes, and
# games/../share/quorrel is still where the game looks for its data.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/deb_games_folder.cmake)
include(CPack)
