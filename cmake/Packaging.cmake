# The Debian package (cpack -G DEB in the build folder): the installed layout,
# the Debian 12 packages the program needs at run time, LibreOffice Writer
# recommended for handing reports over to an editor.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvandel)
set(CPACK_PACKAGE_VENDOR "Orvandel developers")
set(CPACK_PACKAGE_CONTACT "Orvandel developers <orvandel@localhost>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "masonry design calculator / kalkulator konstrukcji murowych")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Structural design of masonry walls and piers to the Polish masonry code
PN-B-03002:2007: a project is a list of elements, each one design case, and
the capacity of the masonry is checked after every change. The program's
user interface is in Polish.
.
Wymiarowanie ścian i filarów murowych według PN-B-03002:2007: projekt jest
listą elementów, każdy to jeden przypadek obliczeniowy, a nośność muru jest
sprawdzana po każdej zmianie.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.36), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins, zlib1g, \
qt6-translations-l10n, \
fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libreoffice-writer)
include(CPack)
