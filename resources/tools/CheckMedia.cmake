# Runs MediaGen into SCRATCH and compares every output with the committed file
# under RESOURCES or INSTALLER.
set(outputs resources/english/Verbolt.ico resources/english/Play.bmp resources/english/Stop.bmp
  resources/english/Probe.wav resources/sounds/Right.wav resources/sounds/Wrong.wav
  installer/media/Install.ico installer/media/Preparing.ico installer/media/Wizard.bmp
  installer/media/Chosen.bmp installer/media/Required.bmp installer/media/PartlyChosen.bmp)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/resources/english ${SCRATCH}/resources/sounds ${SCRATCH}/installer/media)
execute_process(COMMAND ${GENERATOR} ${SCRATCH}/resources ${SCRATCH}/installer RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "MediaGen failed: ${result}")
endif()
set(RESOURCES_resources ${RESOURCES})
set(RESOURCES_installer ${INSTALLER})
foreach(output ${outputs})
  string(REGEX REPLACE "/.*" "" tree ${output})
  string(REGEX REPLACE "^[^/]*/" "" path ${output})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${output} ${RESOURCES_${tree}}/${path}
    RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${output} differs from MediaGen's output; build the media target")
  endif()
endforeach()
