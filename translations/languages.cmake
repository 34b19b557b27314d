# The languages the program's texts are translated into: one catalogue,
# translations/speechviewer_LANGUAGE.ts, a language each (Qt Linguist's
# format). The Qt window takes them as .qm files, the Windows window as
# string resources; both are made from these at build time.
set(SPEECH_LANGUAGES de fr es pt_BR it pl ru ja ko zh_CN zh_TW)
set(SPEECH_TS_FILES)
foreach(language IN LISTS SPEECH_LANGUAGES)
  list(APPEND SPEECH_TS_FILES ${CMAKE_CURRENT_LIST_DIR}/speechviewer_${language}.ts)
endforeach()
set(SPEECH_CATALOGUE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/../scripts/catalogue.py)
