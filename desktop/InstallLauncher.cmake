# Part of `cmake --install`: writes the launcher and the desktop entry with the full paths of
# the prefix being installed to (CMAKE_INSTALL_PREFIX as the install sees it). Set by the
# caller: valkora_templates, valkora_bindir, valkora_datadir, valkora_app_id.

macro(valkora_write_installed template folder name)
  file(READ "${valkora_templates}/${template}" valkora_content)
  set(valkora_target "$ENV{DESTDIR}${folder}/${name}")
  message(STATUS "Installing: ${valkora_target}")
  file(CONFIGURE OUTPUT "${valkora_target}" CONTENT "${valkora_content}" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${valkora_target}")
endmacro()

cmake_path(ABSOLUTE_PATH valkora_bindir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
           OUTPUT_VARIABLE VALKORA_BINDIR)
cmake_path(ABSOLUTE_PATH valkora_datadir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
           OUTPUT_VARIABLE VALKORA_DATADIR)
set(VALKORA_PROGRAM "${VALKORA_BINDIR}/valkora")
set(VALKORA_LAUNCHER "${VALKORA_BINDIR}/valkora-launch")
set(VALKORA_STARTER_DIR "${VALKORA_DATADIR}/valkora/starter")

valkora_write_installed(valkora-launch.in "${VALKORA_BINDIR}" valkora-launch)
file(CHMOD "${valkora_target}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                           GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
valkora_write_installed(valkora.desktop.in "${VALKORA_DATADIR}/applications" "${valkora_app_id}.desktop")
file(CHMOD "${valkora_target}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
