# Runs MediaGen into SCRATCH and compares every output with the committed file
# under RESOURCES.
set(outputs english/Verbolt.ico english/Play.bmp english/Stop.bmp english/Probe.wav
  english/Toolbar.bmp english/ToolbarDisabled.bmp english/ToolbarLarge.bmp english/ToolbarLargeDisabled.bmp
  sounds/Right.wav sounds/Wrong.wav)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/english ${SCRATCH}/sounds)
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "MediaGen failed: ${result}")
endif()
foreach(output ${outputs})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${output} ${RESOURCES}/${output}
    RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${output} differs from MediaGen's output; build the media target")
  endif()
endforeach()
