# Runs MediaGen into SCRATCH and compares every output with the committed file
# under RESOURCES or INSTALLER.
set(resources english/Verbolt.ico english/Play.bmp english/Stop.bmp english/Probe.wav sounds/Right.wav sounds/Wrong.wav)
set(installer media/Install.ico media/Preparing.ico)
foreach(percent "" 150 200)
  list(APPEND resources english/Toolbar${percent}.bmp english/ToolbarDisabled${percent}.bmp
    english/ToolbarLarge${percent}.bmp english/ToolbarLargeDisabled${percent}.bmp)
  list(APPEND installer media/Wizard${percent}.bmp media/Chosen${percent}.bmp media/Required${percent}.bmp
    media/PartlyChosen${percent}.bmp)
endforeach()
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
