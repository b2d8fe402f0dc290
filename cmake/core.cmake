# The Qt-free core that every edition is built from, the same for the
# native build (the top CMakeLists.txt) and the browser's
# (src/web/CMakeLists.txt): the screens and their logic (core), how every
# control is drawn (draw) and the session.

get_filename_component(ARITMETICA_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# The screens and their logic. An object library, so that every screen's
# self-registration is linked into every program.
file(GLOB_RECURSE CORE_SOURCES CONFIGURE_DEPENDS
  ${ARITMETICA_ROOT}/src/shell/*.cpp ${ARITMETICA_ROOT}/src/frame/*.cpp ${ARITMETICA_ROOT}/src/exercises/*.cpp
  ${ARITMETICA_ROOT}/src/record/*.cpp)
add_library(core OBJECT ${CORE_SOURCES})
target_include_directories(core PUBLIC ${ARITMETICA_ROOT}/src)

# The faces every edition draws with, from Debian's fonts-liberation2, in
# the order of draw::faceIndex. Text is measured from their own tables,
# which tools/font-metrics.py reads at build time into the generated
# faces.cpp, with the files' paths for the backends that load them.
set(FONTS_DIR /usr/share/fonts/truetype/liberation2)
set(FACE_SANS ${FONTS_DIR}/LiberationSans-Regular.ttf)
set(FACE_SANS_BOLD ${FONTS_DIR}/LiberationSans-Bold.ttf)
set(FACE_SERIF ${FONTS_DIR}/LiberationSerif-Regular.ttf)
set(FACE_SERIF_BOLD ${FONTS_DIR}/LiberationSerif-Bold.ttf)
set(FACE_FILES ${FACE_SANS} ${FACE_SANS_BOLD} ${FACE_SERIF} ${FACE_SERIF_BOLD})
foreach(face ${FACE_FILES})
  if(NOT EXISTS ${face})
    message(FATAL_ERROR "${face} is missing: install fonts-liberation2 (tools/install-deps)")
  endif()
endforeach()
set(FACES_SOURCE ${CMAKE_BINARY_DIR}/generated/faces.cpp)
add_custom_command(OUTPUT ${FACES_SOURCE}
  COMMAND /usr/bin/python3 ${ARITMETICA_ROOT}/tools/font-metrics.py ${FACES_SOURCE} ${FACE_FILES}
  DEPENDS ${ARITMETICA_ROOT}/tools/font-metrics.py ${FACE_FILES}
  COMMENT "Reading the faces' metrics")

# How every control is drawn, as a list of drawing commands that each
# edition replays.
file(GLOB DRAW_SOURCES CONFIGURE_DEPENDS ${ARITMETICA_ROOT}/src/draw/*.cpp)
add_library(draw STATIC ${DRAW_SOURCES} ${FACES_SOURCE})
target_include_directories(draw PUBLIC ${ARITMETICA_ROOT}/src)

# The session: input, pointer, keys, the timeline of pictures, sounds,
# phrases and pauses.
# The voice's catalogue becomes a table of the session at build time.
set(PHRASES_SOURCE ${CMAKE_BINARY_DIR}/generated/phrases.cpp)
add_custom_command(OUTPUT ${PHRASES_SOURCE}
  COMMAND /usr/bin/python3 ${ARITMETICA_ROOT}/tools/phrase-table.py ${ARITMETICA_ROOT}/assets/voice/phrases.txt
    ${PHRASES_SOURCE}
  DEPENDS ${ARITMETICA_ROOT}/tools/phrase-table.py ${ARITMETICA_ROOT}/tools/voice.py
    ${ARITMETICA_ROOT}/assets/voice/phrases.txt
  COMMENT "Reading the voice's catalogue")
file(GLOB SESSION_SOURCES CONFIGURE_DEPENDS ${ARITMETICA_ROOT}/src/session/*.cpp)
add_library(session STATIC ${SESSION_SOURCES} ${PHRASES_SOURCE})
target_include_directories(session PUBLIC ${ARITMETICA_ROOT}/src)
target_link_libraries(session PUBLIC draw)
