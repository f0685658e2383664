# The two programs on the command line, with no display: what each prints,
# on which stream, and the status it ends with. Called by CTest with
# -DPROGRAM (retencion, or empty when the window is not built), -DCALC and
# -DWORK (a folder to write in); -DEMULATOR runs them when they are built for
# another system (Wine for Windows).

# Runs the command; fails unless it ends with `status`, prints exactly
# `stdout` on standard output (a regular expression) and `stderr` on
# standard error.
function(expect status stdout stderr)
  execute_process(COMMAND ${EMULATOR} ${ARGN} RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT got STREQUAL status OR NOT out MATCHES "${stdout}" OR NOT err MATCHES "${stderr}")
    message(FATAL_ERROR "${ARGN}\n  terminó con ${got} (se esperaba ${status})\n"
                        "  salida: «${out}»\n  errores: «${err}»")
  endif()
endfunction()

if(PROGRAM)
  # No display at all: a window, or the application behind one, would fail.
  set(ENV{QT_QPA_PLATFORM} xcb)
  unset(ENV{DISPLAY})
  unset(ENV{WAYLAND_DISPLAY})
  expect(0 "^Uso: retencion .*--informe SALIDA.pdf ARCHIVO.retencion.*--version" "^$" ${PROGRAM} --help)
  expect(0 "^Uso: retencion " "^$" ${PROGRAM} -h)
  expect(0 "^retencion [0-9]+\\.[0-9]+\n$" "^$" ${PROGRAM} --version)
  expect(2 "^$" "^retencion: opción desconocida «--ayuda» \\(véase retencion --help\\)\n$" ${PROGRAM} --ayuda)
  expect(2 "^$" "^retencion: opción desconocida «-x» \\(véase retencion --help\\)\n$" ${PROGRAM} -x a.retencion)
endif()

file(MAKE_DIRECTORY ${WORK})
expect(2 "^$" "^retencion-calc: no se puede leer «${WORK}/no-existe.csv»: no existe el fichero o la carpeta\n$"
       ${CALC} ${WORK}/no-existe.csv)
expect(2 "^$"
       "^retencion-calc: no se puede escribir «${WORK}/no-existe/s.csv»: no existe el fichero o la carpeta\n$"
       ${CALC} --plantilla A -o ${WORK}/no-existe/s.csv)
expect(2 "^$" "^retencion-calc: no se puede leer «${WORK}»: es una carpeta, no un fichero\n$" ${CALC} ${WORK})
