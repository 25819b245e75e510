# The payloads that Install.exe carries, one line each: the payload name that
# the FILE lines of Setup.ins use, then TARGET and a program built here, or
# FILE and a path. A payload the script names but this list lacks is
# installed as an empty file.
install_payload(VERBOLT.EXE TARGET Verbolt)
install_payload(RIGHT.WAV FILE ${CMAKE_SOURCE_DIR}/resources/sounds/Right.wav)
install_payload(WRONG.WAV FILE ${CMAKE_SOURCE_DIR}/resources/sounds/Wrong.wav)
install_payload(ENGLISH1.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/English-Finnish.wdl)
