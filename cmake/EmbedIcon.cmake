# Writes a C++ source that defines an icon kept in the program's data (a
# forms::EmbeddedIcon) from committed files: an icon group directory and its
# images in the order of their ids. Run at build time with cmake -P:
#   -DNAME=<variable> -DHEADER=<its header> -DDIRECTORY=<file> -DIMAGES=<files> -DOUTPUT=<source>

function(byte_array var file out)
    file(READ "${file}" hex HEX)
    # 24 bytes a line, each written as 0x.., so that the result stays readable.
    string(REPEAT "[0-9a-f]" 48 line)
    string(REGEX REPLACE "(${line})" "\\1\n    " hex "${hex}")
    string(REGEX REPLACE "\n    $" "" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    set(${out} "const unsigned char ${var}[] = {\n    ${bytes}\n};\n" PARENT_SCOPE)
endfunction()

byte_array(Directory "${DIRECTORY}" text)
set(names "")
set(id 1)
foreach(image IN LISTS IMAGES)
    byte_array(Image${id} "${image}" array)
    string(APPEND text "\n${array}")
    list(APPEND names Image${id})
    math(EXPR id "${id} + 1")
endforeach()
list(JOIN names ", " names)
cmake_path(GET DIRECTORY FILENAME directory_name)

file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [=[
// Generated at build time by cmake/EmbedIcon.cmake from @directory_name@ and its images.
#include "@HEADER@"

namespace {

// Image ids count from 1: image n is Images[n - 1].
@text@
const std::span<const unsigned char> Images[] = {@names@};

}  // namespace

const forms::EmbeddedIcon @NAME@{Directory, Images};
]=])
