# Builds core_layer_probe, which includes <QWidget> with only lorvex_core's
# include paths: it must fail, and because that header is not found.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --target core_layer_probe
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0)
    message(FATAL_ERROR "core_layer_probe built: lorvex_core sees Qt Widgets")
endif()
if(NOT out MATCHES "QWidget: No such file or directory")
    message(FATAL_ERROR "core_layer_probe failed for another reason than the missing <QWidget>:\n${out}")
endif()
