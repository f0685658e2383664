# Runs retencion-calc on one golden input and compares its output with the
# expected file. Called by CTest with -DCALC, -DCOMPARE, -DINPUT, -DEXPECTED
# and -DOUTPUT; -DEMULATOR runs them when they are built for another system
# (Wine for Windows).
get_filename_component(name ${INPUT} NAME)
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${EMULATOR} ${CALC} ${INPUT} -o ${OUTPUT} RESULT_VARIABLE status ERROR_VARIABLE message)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${name}: retencion-calc terminó con ${status}: ${message}")
endif()
# The comparer's own line (row, column, both values) goes straight to the log.
execute_process(COMMAND ${EMULATOR} ${COMPARE} ${name} ${EXPECTED} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${name}: la salida difiere de ${EXPECTED}")
endif()
