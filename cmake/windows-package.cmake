# The Windows download: one ZIP with puhtyash.exe and a README.txt for the
# player, made by `cpack` in the build directory (bash tools/windows.sh does).
install(FILES ${PROJECT_SOURCE_DIR}/data/README-windows.txt DESTINATION . RENAME README.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME puhtyash)
set(CPACK_PACKAGE_VENDOR "Puhtyash team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME puhtyash-${PROJECT_VERSION}-windows-x64)
# One folder in the archive, named as the archive.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
