// The plane document reader on arbitrary bytes. A file it accepts must write back to
// bytes that read again and write the same.
#include "plane/DocumentFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    DocumentState state;
    if (ReadDocument({data, size}, 841, state) != 0)
        return 0;
    const std::vector<std::uint8_t> bytes = WriteDocument(state);
    DocumentState again;
    if (ReadDocument(bytes, 841, again) != 0)
        __builtin_trap();
    if (WriteDocument(again) != bytes)
        __builtin_trap();
    return 0;
}
