# The Debian package, built by scripts/package with CPack's DEB generator: the installation
# above under /usr, its shared libraries as dependencies, and the scripts that make the school's
# shared folder.
configure_file(debian/postinst.in debian/postinst @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE
               OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(debian/postrm.in debian/postrm @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE
               OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sylvenor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES TRUE)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Équipe Sylvenor <contact@sylvenor.brambel.fr>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://sylvenor.brambel.fr)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's window system plugins are a package of their own; the group comes from adduser.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, qt6-qpa-plugins")
# French texts in Qt's own dialogs (printing), and the font the pictures were drawn with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "apprendre à classer les êtres vivants au collège
Sylvenor montre une espèce à la fois, avec sa photo et sa fiche ; l'élève
suit une clé de détermination (animaux, invertébrés, végétaux) sur ce qui
se voit et choisit un groupe. Le programme compte les réponses et montre un
récapitulatif. Un atelier permet d'écrire sa propre petite clé et de la
faire essayer à un camarade.
.
L'enseignant modifie, importe et exporte les fiches des espèces et règle
les options des élèves. Les membres du groupe « sylvenor » peuvent changer
les fiches ; les clés des élèves sont rangées dans /var/lib/sylvenor.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/debian/postinst
                                       ${CMAKE_CURRENT_BINARY_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
