# The Debian package (cpack -G DEB in the build folder): the installed layout
# and the Debian 12 packages the program needs at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvandel)
set(CPACK_PACKAGE_VENDOR "Orvandel developers")
set(CPACK_PACKAGE_CONTACT "${ORV_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORV_PACKAGE_MAINTAINER}")
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
# The libraries the program and its companion libraries link against are
# found by dpkg-shlibdeps (the companions are opened at run time, not
# linked, so no private folder needs resolving). Named
# here are only what no library pulls in: the toolkit's platform plugin, the
# fonts the reports are set in; the toolkit's Polish translations and the
# report editor are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libreoffice-writer")
# Files and folders of the package as Debian has them, whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# No shipped binary keeps the compilers' notes (.comment), as Debian's own
# packaging strips them; the start files bring them in whatever the flags.
install(CODE "
  file(GLOB orv_shipped \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORV_INSTALL_PROGRAMDIR}/*\")
  foreach(f IN LISTS orv_shipped)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"\${f}\" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR \"${CMAKE_OBJCOPY} could not remove .comment from \${f}\")
    endif()
  endforeach()
")
include(CPack)
