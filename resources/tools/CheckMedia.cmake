# Runs MediaGen into SCRATCH and compares every output with the committed file
# under RESOURCES or INSTALLER.
set(resources english/Verbolt.ico english/Play.bmp english/Stop.bmp english/Probe.wav
  english/Toolbar.bmp english/ToolbarDisabled.bmp english/ToolbarLarge.bmp english/ToolbarLargeDisabled.bmp
  sounds/Right.wav sounds/Wrong.wav)
set(installer media/Install.ico media/Preparing.ico media/Wizard.bmp media/Chosen.bmp media/Required.bmp
  media/PartlyChosen.bmp)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/resources/english ${SCRATCH}/resources/sounds ${SCRATCH}/installer/media)
execute_process(COMMAND ${GENERATOR} ${SCRATCH}/resources ${SCRATCH}/installer RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "MediaGen failed: ${result}")
endif()
foreach(tree resources installer)
  string(TOUPPER ${tree} committed)
  foreach(output ${${tree}})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${tree}/${output} ${${committed}}/${output}
      RESULT_VARIABLE different)
    if(different)
      message(FATAL_ERROR "${tree}/${output} differs from MediaGen's output; build the media target")
    endif()
  endforeach()
endforeach()
