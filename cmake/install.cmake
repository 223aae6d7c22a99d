# Install rules for a Debian / freedesktop system, and the Debian package made from them
# (scripts/package.sh). The programs find their files relative to their own folder, so the
# same tree works under any prefix.

set(VARTEL_MAINTAINER "Vartel developers <maintainers@vartel.org>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")
set(VARTEL_HOMEPAGE "https://vartel.org/" CACHE STRING "Home page named in the Debian package")

# Debian keeps manual pages and the changelog compressed (without a time stamp, so a build
# repeats byte for byte); man reads them either way.
set(VARTEL_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/compressed)
set(VARTEL_COMPRESSED_FILES)
foreach(source resources/man/vartel-cli.1 resources/man/vartel.1 resources/changelog)
  get_filename_component(name ${source} NAME)
  set(plain ${VARTEL_COMPRESSED_DIR}/${name})
  add_custom_command(OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${source} ${plain}
    COMMAND gzip -9nf ${plain}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND VARTEL_COMPRESSED_FILES ${plain}.gz)
endforeach()
add_custom_target(vartel_compressed_docs ALL DEPENDS ${VARTEL_COMPRESSED_FILES})

set(VARTEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vartel)
install(TARGETS vartel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vartel_media LIBRARY DESTINATION ${VARTEL_MEDIA_MODULE_FOLDER}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${VARTEL_COMPRESSED_DIR}/vartel-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/completion/vartel-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(DIRECTORY resources/macros/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vartel/Data
        FILES_MATCHING PATTERN "*.vmc")
install(FILES resources/ReadMe.html resources/copyright ${VARTEL_COMPRESSED_DIR}/changelog.gz
        DESTINATION ${VARTEL_DOC_DIR})
if(VARTEL_GUI)
  install(TARGETS vartel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${VARTEL_COMPRESSED_DIR}/vartel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES resources/vartel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/vartel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES resources/org.vartel.Vartel.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vartel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VARTEL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer with previews, history and macros")
# The synopsis line comes from the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vartel renames many files at once. Files are collected in a conversion list,
an editing operation (add text, delete characters, replace text or change
letter case, sequence numbers, extension) or a small macro language proposes
the new names, the proposals are shown beside the old names, and the renames
are carried out and can be undone from a history. A rename never replaces an
existing file. The program's texts are Japanese; vartel-cli offers the same
operations and macros on the command line.

Vartel は、たくさんのファイルの名前をまとめて変更するプログラムです。
ファイルを変換リストに集め、文字の追加・削除・置換、連番、拡張子の変更、
またはマクロで新しい名前を作り、変更前と変更後の名前を並べて確かめてから
変更します。変更は履歴から元に戻せます。")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARTEL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# MeCab is opened when a name is first read, so the scan of linked libraries cannot see it;
# the readings come from its UTF-8 IPA dictionary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libmecab2, mecab-ipadic-utf8")
# The window's Japanese font and Qt's Japanese texts for its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
include(CPack)
