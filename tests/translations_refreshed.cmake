# Refreshes copies of the catalogues (TS_FILES, into COPIES) from the
# sources listed in SOURCES, with lupdate's OPTIONS; fails when lupdate
# warns (a tr() it cannot file under a context) or any copy comes out changed.
file(REMOVE_RECURSE "${COPIES}")
file(MAKE_DIRECTORY "${COPIES}")
set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY_FILE "${ts}" "${COPIES}/${name}")
  list(APPEND copies "${COPIES}/${name}")
endforeach()

execute_process(COMMAND "${LUPDATE}" "@${SOURCES}" -I "${ROOT}" -ts ${copies} ${OPTIONS}
                RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE warnings)
if(failed OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "lupdate failed (${failed}) or warned:\n${warnings}")
endif()

set(changed)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${ts}" "${COPIES}/${name}" RESULT_VARIABLE differs)
  if(differs)
    list(APPEND changed "${name}")
  endif()
endforeach()
if(changed)
  message(FATAL_ERROR "A refresh of the catalogues changes ${changed} (the refreshed copies are in ${COPIES}): "
                      "run the update_translations target and translate what it marks unfinished.")
endif()
