# The installed game and its Debian package.
#
#   cmake --install build --prefix <prefix>      lays out a relocatable tree:
#     games/lexadrill                            finds its content in ../share/lexadrill/
#     share/lexadrill/data, share/lexadrill/gfx  the content (word list, models, help page, pictures)
#     share/applications, share/icons/hicolor, share/metainfo, share/man/man6, share/doc/lexadrill
#   (cd build && cpack -G DEB)                   build/lexadrill_<version>_<arch>.deb
#
# The folders are fixed (games/, where Debian keeps games, and share/) because the executable
# finds its content by that one relative step. The player's own files go to
# $XDG_DATA_HOME/lexadrill/ when the tree is read-only (see game/saves/SaveFolder.h).

set(LEXADRILL_VERSION 1.0.0)
set(LEXADRILL_APP_ID example.lexadrill.lexadrill)
set(PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The manual page and the changelog are installed compressed, without a time stamp inside.
set(COMPRESSED_DOCS)
foreach(doc lexadrill.6 changelog)
  add_custom_command(OUTPUT ${PACKAGING_OUT}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PACKAGING}/${doc} ${PACKAGING_OUT}/${doc}
    COMMAND gzip -9nf ${PACKAGING_OUT}/${doc}
    DEPENDS ${PACKAGING}/${doc})
  list(APPEND COMPRESSED_DOCS ${PACKAGING_OUT}/${doc}.gz)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${COMPRESSED_DOCS})

install(TARGETS lexadrill RUNTIME DESTINATION games)
# The content only: files a game run in the build folder saved there stay out.
foreach(folder data gfx)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/${folder} DESTINATION share/lexadrill
    PATTERN "*_rep.dat" EXCLUDE PATTERN "hof.hof" EXCLUDE PATTERN "*.tmp" EXCLUDE)
endforeach()
install(FILES ${PACKAGING}/${LEXADRILL_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PACKAGING}/${LEXADRILL_APP_ID}.metainfo.xml DESTINATION share/metainfo)
# The KVTML type the menu entry declares, which shared-mime-info lacks.
install(FILES ${CMAKE_SOURCE_DIR}/mime/packages/lexadrill.xml DESTINATION share/mime/packages)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION share/icons/hicolor)
install(FILES ${PACKAGING_OUT}/lexadrill.6.gz DESTINATION share/man/man6)
install(FILES ${PACKAGING}/copyright ${PACKAGING_OUT}/changelog.gz DESTINATION share/doc/lexadrill)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexadrill)
set(CPACK_PACKAGE_VERSION ${LEXADRILL_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The lexaDRILL developers <lexadrill@lexadrill.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spanish vocabulary game drawn as an animated 3D scene")
set(CPACK_PACKAGE_DESCRIPTION
  "lexaDRILL teaches Spanish words with an English interface. Menus, lists,\n\
words and pictures are all part of one three-dimensional scene that slides,\n\
spins and fades. Twelve topics of thirty words each can be studied word by\n\
word or tested against a fifteen-second clock; passing a test unlocks the\n\
next topic, and a hall of fame keeps the ten best scores.\n\
.\n\
The game needs no network and runs on software OpenGL. Progress is kept in\n\
the player's ~/.local/share/lexadrill/ folder.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.lexadrill.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps gives the linked libraries. Besides them: the outline fonts of the extruded text
# (Carlito has the proportions the layout was made for; DejaVu Sans is the last fallback),
# libgl1, the GLX library SDL loads at run time to create the window's GL context (Mesa's
# drivers come with it), and libsqlite3-0, the learner's record (named too, though linked, so the
# package says it keeps progress.sqlite with the distribution's SQLite).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-crosextra-carlito, fonts-dejavu-core, libgl1, libsqlite3-0")
# Speech is opened at run time (libspeechd, which speech-dispatcher brings): the game plays without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher, speech-dispatcher-espeak-ng")
# Only what the game ships: the tests and tools install nothing, but keep it explicit.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};lexadrill;ALL;/")
include(CPack)
