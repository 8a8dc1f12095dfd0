# SPDX-License-Identifier: MIT
# `make package`: a Debian package made by CPack from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "The Quorvel developers <maintainers@users.noreply.c-seed-1f61dce8.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monthly biorhythm chart with good and caution days")
# Lines of at most 80 columns, for Debian's tools and 80-column terminals.
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel draws a person's physical, emotional and intellectual biorhythms
for one month, marks good days, rest days and caution days in fifteen rows,
counts the days since the birth date and keeps a roster of ten birthdays.
The user interface is Japanese. quorvel-chart draws the same chart into a
PNG picture, JSON or an iCalendar file without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Everything that `make install` installs, and the files meant for the package alone.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/" "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The chart is drawn in IPAGothic, the window needs one of Qt's platform plugins, and Qt's
# own menus and dialogs speak Japanese through its catalogue (qtbase_ja.qm).
set(quorvel_depends "fonts-ipafont-gothic, qt6-qpa-plugins, qt6-translations-l10n")
find_program(QUORVEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUORVEL_DPKG_SHLIBDEPS)
    # The libraries, with their versions, as the binaries actually link them.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND quorvel_depends
        ", libqt6printsupport6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4)"
        ", libqt6core6 (>= 6.4), libical3, libc6, libstdc++6")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${quorvel_depends}")
# ヘルプ hands the manual to the desktop's PDF viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, evince | pdf-viewer")

include(CPack)
