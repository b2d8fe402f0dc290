# The spoken phrases: tools/make-voice makes a clip for every phrase of the
# catalogue into ${CMAKE_BINARY_DIR}/voice (a school's recordings where there
# are some, espeak-ng for the rest; unchanged phrases come from its cache).
set(VOICE_DIR ${CMAKE_BINARY_DIR}/voice)
set(VOICE_SOURCE ${CMAKE_SOURCE_DIR}/assets/voice)
file(GLOB VOICE_RECORDINGS CONFIGURE_DEPENDS ${VOICE_SOURCE}/recorded/*.mp3)
add_custom_command(
  OUTPUT ${VOICE_DIR}/phrases.txt
  COMMAND ${CMAKE_SOURCE_DIR}/tools/make-voice ${VOICE_DIR}
  # make-voice leaves an unchanged list alone: the stamp is for the build.
  COMMAND ${CMAKE_COMMAND} -E touch ${VOICE_DIR}/phrases.txt
  DEPENDS ${VOICE_SOURCE}/phrases.txt ${VOICE_SOURCE}/recorded ${VOICE_RECORDINGS}
          ${CMAKE_SOURCE_DIR}/tools/make-voice ${CMAKE_SOURCE_DIR}/tools/voice.py
  COMMENT "Making the spoken phrases"
  VERBATIM)
add_custom_target(voice ALL DEPENDS ${VOICE_DIR}/phrases.txt)
install(DIRECTORY ${VOICE_DIR}/ DESTINATION share/aritmetica/voice PATTERN .cache EXCLUDE)
