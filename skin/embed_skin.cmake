# Writes the skin library image (LIBRARY) and the skin data block (DATA) into OUTPUT as two
# read-only byte arrays behind the functions of support/embedded_skin.h.
function(byte_array file result)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n" hex "${hex}")
    set(${result} "${hex}" PARENT_SCOPE)
endfunction()

byte_array(${LIBRARY} library)
byte_array(${DATA} data)
file(WRITE ${OUTPUT}.new "// Generated from skin/ by embed_skin.cmake.
#include \"support/embedded_skin.h\"

namespace tarnwick {
namespace {

const unsigned char library[] = {
${library}};

const unsigned char data[] = {
${data}};

} // namespace

EmbeddedBlock embeddedSkinLibrary() { return {library, sizeof library}; }
EmbeddedBlock embeddedSkinData() { return {data, sizeof data}; }

} // namespace tarnwick
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
