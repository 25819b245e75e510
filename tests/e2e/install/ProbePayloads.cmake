# The payloads of the installer probe. BULK.BIN is made when the build is
# configured.
install_payload(RIGHT.WAV FILE ${CMAKE_SOURCE_DIR}/resources/sounds/Right.wav)
install_payload(BULK.BIN FILE ${PROBE_BULK_PAYLOAD})
