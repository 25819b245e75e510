# The payloads that Install.exe carries, one line each: the payload name that
# the FILE lines of Setup.ins use, then TARGET and a program built here, or
# FILE and a path. A payload the script names but this list lacks is
# installed as an empty file.
install_payload(VERBOLT.EXE TARGET Verbolt)
install_payload(KIELIVIS.EXE TARGET Kielivis)
install_payload(REMOVE.EXE TARGET Remove)
install_payload(RIGHT.WAV FILE ${CMAKE_SOURCE_DIR}/resources/sounds/Right.wav)
install_payload(WRONG.WAV FILE ${CMAKE_SOURCE_DIR}/resources/sounds/Wrong.wav)
install_payload(README.TXT FILE ${CMAKE_SOURCE_DIR}/installer/readme/ReadMe.txt)
install_payload(README.FIN FILE ${CMAKE_SOURCE_DIR}/installer/readme/Lueminut.txt)
install_payload(BASIC1.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Basic1.wdl)
install_payload(BASIC2.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Basic2.wdl)
install_payload(ENGLISH1.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/English1.wdl)
install_payload(ENGLISH2.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/English2.wdl)
install_payload(GERMAN1.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/German1.wdl)
install_payload(GERMAN2.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/German2.wdl)
install_payload(SWEDISH1.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Swedish1.wdl)
install_payload(SWEDISH2.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Swedish2.wdl)
install_payload(FRENCH1.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/French1.wdl)
install_payload(ESTONIAN.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Estonian.wdl)
install_payload(VERBS.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Verbs.wdl)
install_payload(RUSSIAN.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Russian.wdl)
install_payload(GREEK.WDL FILE ${CMAKE_SOURCE_DIR}/resources/samples/Greek.wdl)
