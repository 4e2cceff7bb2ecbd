# Writes a C++ source that holds the bytes of files as std::string_view
# constants, so that pictures can be built into any executable or test.
#   cmake -DOUTPUT=out.cpp -DHEADER=chrome/x.h "-DFILES=name=path|name=path" -P embed-bytes.cmake
string(REPLACE "|" ";" FILES "${FILES}")
set(text "// Made from files at build time; do not edit.\n#include \"${HEADER}\"\n\n")
foreach(pair IN LISTS FILES)
    string(REPLACE "=" ";" parts "${pair}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
    string(APPEND text "const std::string_view ${name}{\"${escaped}\", ${size}};\n")
endforeach()
file(WRITE "${OUTPUT}.new" "${text}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
