# Install layout for a Linux desktop: the game, its data files under share/fivrastar (copied
# into the player's data folder on first start), the menu entry, the icon and the AppStream
# metainfo, all under one application id.
include(GNUInstallDirs)

set(FIVRA_APP_ID "io.github.fivrastar.Fivrastar")

install(TARGETS fivrastar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(GLOB fivra_data_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
install(FILES ${fivra_data_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/fivrastar)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${FIVRA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${FIVRA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${FIVRA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
