# Installs the build into a fresh prefix and checks the classroom layout:
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -P check-install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install a échoué")
endif()
foreach(expected lib/sylvenor/sylvenor lib/sylvenor/data/base.dat lib/sylvenor/data/0.jpg
                 lib/sylvenor/aide/0frm2.jpg lib/sylvenor/images/QuitterSamuon.png
                 lib/sylvenor/sauvegardes lib/sylvenor/resultats bin/sylvenor
                 share/applications/fr.brambel.Sylvenor.desktop
                 share/metainfo/fr.brambel.Sylvenor.metainfo.xml
                 share/icons/hicolor/48x48/apps/sylvenor.png
                 share/icons/hicolor/256x256/apps/sylvenor.png
                 share/icons/hicolor/96x96/apps/sylvenor.png share/man/man1/sylvenor.1.gz
                 share/doc/sylvenor/copyright share/doc/sylvenor/changelog.gz)
  if(NOT EXISTS ${PREFIX}/${expected})
    message(FATAL_ERROR "${expected} manque dans l'installation")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/fr.brambel.Sylvenor.desktop desktop)
if(NOT desktop MATCHES "Categories=Education;Biology;")
  message(FATAL_ERROR "le fichier .desktop n'est pas rangé dans Education;Biology")
endif()
file(REMOVE_RECURSE ${PREFIX})
