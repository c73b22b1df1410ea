# The message catalogs: each po/LL.po checked and compiled by msgfmt into locale/LL/LC_MESSAGES
# of the build folder (the game's program folder), and the menu entry and the AppStream
# metadata given every language's texts. Installed under share/locale and beside the rest.
find_program(MSGFMT msgfmt REQUIRED)
file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS QUORREL_LINGUAS REGEX "^[^#]")
set(QUORREL_CATALOGS)
set(QUORREL_PO_FILES)
foreach(lang ${QUORREL_LINGUAS})
  set(po ${CMAKE_SOURCE_DIR}/po/${lang}.po)
  set(mo ${CMAKE_BINARY_DIR}/locale/${lang}/LC_MESSAGES/quorrel.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/locale/${lang}/LC_MESSAGES
    COMMAND ${MSGFMT} --check -o ${mo} ${po}
    DEPENDS ${po} VERBATIM)
  list(APPEND QUORREL_CATALOGS ${mo})
  list(APPEND QUORREL_PO_FILES ${po})
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_DATADIR}/locale/${lang}/LC_MESSAGES)
endforeach()

# msgfmt reads the languages from po/LINGUAS and the texts from every po file beside it.
set(QUORREL_DESKTOP ${CMAKE_BINARY_DIR}/data/example.brindlecove.Quorrel.desktop)
set(QUORREL_METAINFO ${CMAKE_BINARY_DIR}/data/example.brindlecove.Quorrel.metainfo.xml)
add_custom_command(OUTPUT ${QUORREL_DESKTOP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data
  COMMAND ${MSGFMT} --desktop -d ${CMAKE_SOURCE_DIR}/po
    --template ${CMAKE_SOURCE_DIR}/data/example.brindlecove.Quorrel.desktop -o ${QUORREL_DESKTOP}
  DEPENDS ${QUORREL_PO_FILES} ${CMAKE_SOURCE_DIR}/data/example.brindlecove.Quorrel.desktop
  VERBATIM)
add_custom_command(OUTPUT ${QUORREL_METAINFO}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data
  COMMAND ${MSGFMT} --xml -d ${CMAKE_SOURCE_DIR}/po
    --template ${CMAKE_SOURCE_DIR}/data/example.brindlecove.Quorrel.metainfo.xml
    -o ${QUORREL_METAINFO}
  DEPENDS ${QUORREL_PO_FILES} ${CMAKE_SOURCE_DIR}/data/example.brindlecove.Quorrel.metainfo.xml
  VERBATIM)
add_custom_target(quorrel_catalogs ALL DEPENDS ${QUORREL_CATALOGS} ${QUORREL_DESKTOP}
  ${QUORREL_METAINFO})
