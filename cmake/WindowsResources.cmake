# The program's icon and version information inside its Windows executables.
# The icon is made at build time from the PNG icons in data/icons (icotool,
# Debian's icoutils), so it has one source with the other platforms' icons.

enable_language(RC)
find_program(ICOTOOL icotool REQUIRED)

set(RETENCION_ICO ${CMAKE_BINARY_DIR}/windows/retencion.ico)
set(icons ${PROJECT_SOURCE_DIR}/data/icons)
add_custom_command(
  OUTPUT ${RETENCION_ICO}
  COMMAND ${ICOTOOL} -c -o ${RETENCION_ICO} ${icons}/retencion-16.png ${icons}/retencion-32.png
          ${icons}/retencion-48.png ${icons}/retencion-64.png ${icons}/retencion-128.png
          --raw=${icons}/retencion-256.png
  DEPENDS ${icons}/retencion-16.png ${icons}/retencion-32.png ${icons}/retencion-48.png ${icons}/retencion-64.png
          ${icons}/retencion-128.png ${icons}/retencion-256.png
  COMMENT "Icono de Windows")
add_custom_target(retencion_ico DEPENDS ${RETENCION_ICO})

# retencion_windows_resources(<target> <description>)
function(retencion_windows_resources target description)
  set(RC_NAME ${target})
  set(RC_FILENAME ${target}.exe)
  set(RC_DESCRIPTION "${description}")
  set(RC_ICON ${RETENCION_ICO})
  set(RC_MINOR ${PROJECT_VERSION_MINOR})
  if(NOT RC_MINOR)
    set(RC_MINOR 0)
  endif()
  set(rc ${CMAKE_BINARY_DIR}/windows/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/data/windows/program.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${RETENCION_ICO})
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} retencion_ico)
endfunction()
