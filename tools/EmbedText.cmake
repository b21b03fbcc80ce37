# Turns a text file into a C++ header holding it as a raw string literal.
# Arguments: INPUT (the text file), OUTPUT (the header), NAME (the constant's name).
file(READ "${INPUT}" content)
string(FIND "${content}" ")embedded\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} contains the raw string delimiter")
endif()
get_filename_component(source_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
  "#pragma once\n\n// Generated from ${source_name} by the build; edit that file instead.\n"
  "inline constexpr char ${NAME}[] = R\"embedded(${content})embedded\";\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
