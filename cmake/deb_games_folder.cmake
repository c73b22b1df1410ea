# Run by CPack on its staging tree before the package is made: moves the game from usr/bin to
# usr/games, as Debian's games section expects.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/quorrel")
foreach(game ${staged})
  get_filename_component(bin ${game} DIRECTORY)
  get_filename_component(usr ${bin} DIRECTORY)
  file(MAKE_DIRECTORY ${usr}/games)
  file(RENAME ${game} ${usr}/games/quorrel)
  file(REMOVE_RECURSE ${bin})
endforeach()
if(NOT staged)
  message(FATAL_ERROR "no bin/quorrel under ${CPACK_TEMPORARY_INSTALL_DIRECTORY} to move to games/")
endif()
