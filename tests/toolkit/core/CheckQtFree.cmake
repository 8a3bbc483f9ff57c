# The core library must neither include Qt nor carry a Qt symbol: kespad-tool and the core
# tests link it alone. Run by CTest with ARCHIVE (the library), NM and SOURCE_DIR set.
execute_process(COMMAND ${NM} -C ${ARCHIVE} OUTPUT_VARIABLE symbols RESULT_VARIABLE result
                ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm failed on ${ARCHIVE}: ${errors}")
endif()
if(NOT symbols MATCHES "kes::")
    message(FATAL_ERROR "nm listed no symbol of the program in ${ARCHIVE}")
endif()
string(REGEX MATCHALL "[^\n]*([^A-Za-z0-9_]Q[A-Z][A-Za-z0-9_]+|[^A-Za-z0-9_]qt_[A-Za-z0-9_]+|Qt::)[^\n]*"
       qt_symbols "${symbols}")
if(qt_symbols)
    list(JOIN qt_symbols "\n" listing)
    message(FATAL_ERROR "the core library refers to Qt:\n${listing}")
endif()

foreach(folder toolkit/core support textmodel fountain regexp editor/search)
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    list(APPEND core_sources ${sources})
endforeach()
foreach(source IN LISTS core_sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(includes)
        message(FATAL_ERROR "${source} includes Qt: ${includes}")
    endif()
endforeach()
message(STATUS "${ARCHIVE}: no Qt symbol; ${SOURCE_DIR}: no Qt include in the core sources")
