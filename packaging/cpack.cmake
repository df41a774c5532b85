# The Debian package, built by `make package` (cpack -G DEB).
#
# The version is project(VERSION); the dependencies are what dpkg-shlibdeps
# finds in the programs (Qt, libstdc++, libc) plus the font the fixed-width
# grid and the printed lists are laid out for.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tokivane")
set(CPACK_PACKAGE_VENDOR "Tokivane developers")
set(CPACK_PACKAGE_CONTACT "Tokivane developers <tokivane@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "record working hours, overtime, pay figures and paid leave")
set(CPACK_PACKAGE_DESCRIPTION
    "Tokivane is a personal record of working days for salaried employees in Japan. \
It computes normal and late-night overtime, working time, pay figures and the \
distance to an overtime target from each day's arrival and leaving time, and \
keeps a paid-leave ledger, period totals, printed lists and CSV files. \
tokivane-cli does the same from scripts and from login or logout hooks.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tokivane_0.1.0_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Qt's standard dialogs in Japanese; without it they speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")

include(CPack)
