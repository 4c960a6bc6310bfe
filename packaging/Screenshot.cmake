# Makes the screenshot shown with the metadata: the headless game, seeded, played from the title
# into its first battle, then the picture written as a PNG.
#   cmake -DPROGRAM=... -DDATA=... -DWORK=... -DOUT=... -P Screenshot.cmake
# WORK is a scratch folder of the build's own for the save the game writes on closing.

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(script "tick 5\nclick\ntick 5\nclick\ntick 20\nchoose 3\n")
foreach(step RANGE 1 18)
  string(APPEND script "tick 10\nchoose 3\n")
endforeach()
string(APPEND script "tick 30\nscreenshot ${OUT}\nclose\n")
file(WRITE "${WORK}/script.txt" "${script}")
execute_process(
  COMMAND "${PROGRAM}" --headless --auto-click --seed 1 --mute --data "${DATA}" --save-dir "${WORK}"
  INPUT_FILE "${WORK}/script.txt"
  OUTPUT_VARIABLE events
  RESULT_VARIABLE status)
file(REMOVE_RECURSE "${WORK}")
if(NOT status EQUAL 0 OR NOT EXISTS "${OUT}" OR events MATCHES "\"ev\":\"error\"")
  message(FATAL_ERROR "the headless game did not make the screenshot (exit ${status})")
endif()
