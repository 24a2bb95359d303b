# What `cmake --install` puts beside the binary and the icons, and the Debian
# package made of the same files (`make package`): the menu entry, the
# saved-game file type, the software-centre metadata, the manual page, the
# copyright file and the changelog.
set(DEDIVUD_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(DEDIVUD_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)

# The manual page and the changelog go compressed, without a time stamp, as
# Debian wants them. The manual page names the project's version.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(${DEDIVUD_PACKAGING_DIR}/dedivud.6 ${DEDIVUD_PACKAGING_OUT}/dedivud.6 @ONLY)
foreach(source ${DEDIVUD_PACKAGING_OUT}/dedivud.6 ${DEDIVUD_PACKAGING_DIR}/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${DEDIVUD_PACKAGING_OUT}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DEDIVUD_PACKAGING_OUT}
    COMMAND sh -c "${GZIP_PROGRAM} -9n -c \"$0\" > \"$1\"" ${source} ${DEDIVUD_PACKAGING_OUT}/${name}.gz
    DEPENDS ${source}
    VERBATIM)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${DEDIVUD_PACKAGING_OUT}/dedivud.6.gz ${DEDIVUD_PACKAGING_OUT}/changelog.gz)

install(FILES ${DEDIVUD_PACKAGING_DIR}/dedivud.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DEDIVUD_PACKAGING_DIR}/dedivud-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME dedivud.xml)
install(FILES ${DEDIVUD_PACKAGING_DIR}/io.github.dedivud.dedivud.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DEDIVUD_PACKAGING_OUT}/dedivud.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${DEDIVUD_PACKAGING_DIR}/copyright ${DEDIVUD_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dedivud)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dedivud)
set(CPACK_PACKAGE_VENDOR "DEDIVUD")
set(CPACK_PACKAGE_CONTACT "DEDIVUD maintainers <maintainers@users.noreply.c-seed-3b6f9bab.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess game with a Turkish interface")
set(CPACK_PACKAGE_DESCRIPTION
    "A chess game for the desktop whose window speaks Turkish. You play White\n"
    "against the computer, which thinks at one of three levels, or two players\n"
    "share the board. Pieces are dragged with the mouse, and every move is\n"
    "written into the move list, which can be saved as a .oyk file and replayed\n"
    "later.\n"
    "Moves can be taken back, the computer suggests a move when asked, and a\n"
    "help window explains the game in pictures.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from the binary (dpkg-shlibdeps), and what it loads by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
