# The Debian package, built with cpack -G DEB (scripts/balicek.sh) from what the build installs:
# every program, manual page, desktop file, icon, MIME type, the metainfo and the example tasks.
# Dependencies come from dpkg-shlibdeps, plus what the programs run that no library names.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tvarolam-hra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tvarolam-Hra <hra@tvarolam.cz>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tvarolam.cz/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D assembly puzzle for pupils and their teachers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A task shows up to three pictures of an assembly; the player places coloured
blocks, spheres, cylinders and cones on an 11 x 11 x 11 lattice, marks the
pieces that take part and asks for an evaluation. A 3D preview shows the
assembly, and a game log records every task attempt for the teacher.
.
The package holds the game (Czech interface, replaceable texts), a preview
viewer, a command-line tool for task authors, a class report built from the
pupils' game logs, and example tasks.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts the window is designed for; xdg-open hands the preview to a viewer.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, xdg-utils")
# Qt's own Czech texts for the dialogs. libfile-mimeinfo-perl is only suggested: the game does not
# need it (a preview scene is model/vrml by its content too), and through its own dependencies it
# recommends a terminal emulator, which would land in pupils' menus. With it, plain xdg-open
# outside GNOME and KDE recognises a task file instead of taking it for text/plain.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libfile-mimeinfo-perl")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian's documentation files: the copyright, and a changelog dated as the release.
execute_process(COMMAND date -uR -d "${TVAROLAM_DATUM_VYDANI} 12:00"
                OUTPUT_VARIABLE TVAROLAM_DATUM_ZMENY OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(resources/balicek/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
                   COMMAND gzip -9nc changelog > changelog.gz
                   DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
                   VERBATIM)
add_custom_target(zmeny_balicku ALL DEPENDS changelog.gz)
install(FILES resources/balicek/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
