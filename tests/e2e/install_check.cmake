# Installs the build into an empty prefix and fails unless every file a desktop
# needs lands where menus, software centres and the program look for it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BINARY_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()
foreach(f bin/lorvex bin/lorvex-plan
        share/lorvex/Languages/English.lng share/lorvex/Languages/Deutsch.lngx
        share/applications/example.tavoran.Lorvex.desktop
        share/metainfo/example.tavoran.Lorvex.metainfo.xml
        share/icons/hicolor/scalable/apps/example.tavoran.Lorvex.svg
        share/icons/hicolor/48x48/apps/example.tavoran.Lorvex.png)
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
