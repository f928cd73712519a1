# Installs the build tree into a scratch prefix and checks what a packaged Zorvel needs there.
# Called with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path
        bin/zorvel bin/zorvel-list
        share/zorvel/ZV_Readme.htm share/zorvel/ZV_Readme_ar.htm share/zorvel/WordModeEnabled.txt
        share/zorvel/translations/zorvel_ar.qm
        share/zorvel/Arabic/Alphabet.zva share/zorvel/Arabic/Poetry/Mutanabbi.zva
        share/applications/zorvel.desktop share/icons/hicolor/scalable/apps/zorvel.svg
        share/mime/packages/zorvel-list.xml share/metainfo/example.corvant.zorvel.metainfo.xml
        share/man/man1/zorvel.1.gz share/man/man1/zorvel-list.1.gz
        share/doc/zorvel/copyright share/doc/zorvel/changelog.gz)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The desktop entry opens list files with the program, and the MIME type names them.
file(READ ${PREFIX}/share/applications/zorvel.desktop desktop)
file(READ ${PREFIX}/share/mime/packages/zorvel-list.xml mime)
if(NOT desktop MATCHES "Exec=zorvel %f" OR NOT desktop MATCHES "MimeType=application/x-zorvel-list;"
   OR NOT mime MATCHES "application/x-zorvel-list" OR NOT mime MATCHES "\\*\\.zva")
    message(FATAL_ERROR "the desktop entry and the MIME type do not match")
endif()

# The installed tool reads an installed list.
execute_process(COMMAND ${PREFIX}/bin/zorvel-list decode ${PREFIX}/share/zorvel/Arabic/Alphabet.zva
                RESULT_VARIABLE result OUTPUT_VARIABLE text)
if(NOT result EQUAL 0 OR NOT text MATCHES "أ")
    message(FATAL_ERROR "the installed zorvel-list could not read an installed list")
endif()
