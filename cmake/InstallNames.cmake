# The installed files that the program knows by name or place: the framework compiles these in
# (framework/CMakeLists.txt) and the install rules install them (cmake/Install.cmake), so that the
# running program and what is installed agree.
include(GNUInstallDirs)
# The picture every window carries, installed as the desktop's icon.
set(QUORVANE_ICON_PICTURE ${PROJECT_SOURCE_DIR}/resources/Icon64.png)
# The desktop entry the windows name.
set(QUORVANE_DESKTOP_ENTRY ${PROJECT_SOURCE_DIR}/resources/quorvane.desktop)
# Where the pictures the program reads at run time are installed, under the prefix.
set(QUORVANE_INSTALL_RESOURCESDIR ${CMAKE_INSTALL_DATADIR}/quorvane)
