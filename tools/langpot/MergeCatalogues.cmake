# Merges the template into every catalogue of LANG_DIR: new texts arrive untranslated, changed
# ones fuzzy with their previous msgid, removed ones obsolete.
file(GLOB catalogues ${LANG_DIR}/*.po)
foreach(catalogue ${catalogues})
  execute_process(
    COMMAND msgmerge --quiet --update --backup=none --previous --no-wrap ${catalogue}
            ${LANG_DIR}/panipani.pot
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "msgmerge could not merge the template into ${catalogue}")
  endif()
endforeach()
