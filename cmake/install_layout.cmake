# Where an installed tavolier puts its files (the places Debian gives a
# desktop game), and the generated headers that tell both programs the
# project's version and the game where its data and plugins are.
set(TAVOLIER_INSTALL_GAMESDIR games CACHE STRING
    "Folder for the game and tavolier-cli, relative to the install prefix")
set(TAVOLIER_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tavolier)

# The data folder as seen from the installed programs ("../share/tavolier"):
# the game finds its pictures and sounds wherever the prefix is unpacked.
file(RELATIVE_PATH TAVOLIER_DATA_FROM_PROGRAM
    /prefix/${TAVOLIER_INSTALL_GAMESDIR} /prefix/${TAVOLIER_INSTALL_DATADIR})

# The plugins (the chips chart, the sound module): looked for beside the
# program, then in the installed library folder, found from the program's
# folder wherever the prefix is unpacked.
set(TAVOLIER_INSTALL_PLUGINDIR ${CMAKE_INSTALL_LIBDIR}/games/tavolier)
file(RELATIVE_PATH TAVOLIER_PLUGIN_FROM_PROGRAM
    /prefix/${TAVOLIER_INSTALL_GAMESDIR} /prefix/${TAVOLIER_INSTALL_PLUGINDIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/install_paths.h.in
    ${CMAKE_BINARY_DIR}/generated/tavolier_install_paths.h @ONLY)

configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
    ${CMAKE_BINARY_DIR}/generated/tavolier_version.h @ONLY)
add_library(tavolier_version INTERFACE)
target_include_directories(tavolier_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
