// The document reader on arbitrary bytes, as a plane and as a space document. A file it
// accepts must write back to bytes that read again and write the same. A space document
// is then opened in a space window on the memory platform and its whole picture drawn
// into a recording surface, which must neither fail nor take unbounded memory or time
// between two polls of the keyboard.
#include "plane/DocumentFile.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/MemoryWindow.h"
#include "platform/memory/RecordingSurface.h"
#include "space/SurfaceRecord.h"
#include "space/TPlot3Win.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace korvane;

void RoundTrip(const DocumentState& state, std::int32_t tag) {
    const std::vector<std::uint8_t> bytes = WriteDocument(state);
    DocumentState again;
    if (ReadDocument(bytes, tag, again) != 0)
        __builtin_trap();
    if (WriteDocument(again) != bytes)
        __builtin_trap();
}

// Opens the bytes in a space window as the program does (every record compiled, derived
// and built, grids, boxes, the scene and the view) and draws the whole picture.
void OpenInSpaceWindow(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder = [] {
        auto made = std::filesystem::temp_directory_path() / ("korvane-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(made);
        return made;
    }();
    const std::filesystem::path path = folder / "input.kv3";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    platform::MemoryPlatform platform;
    platform.SetConfigDirectory(folder.string() + "/");
    WindowOptions options;
    options.readSettings = false;
    TPlot3Win window(platform, options, nullptr);
    if (window.OpenDocument(path.string()) != 0)
        return;
    // A user ends a long drawing with S; so does this one after some polls. A loop that
    // never polls still runs into the time limit.
    if (auto* memory = dynamic_cast<platform::MemoryWindow*>(window.GetWindow()))
        memory->onPeek = [polls = 0](platform::MemoryWindow& m) mutable {
            if (++polls > 200)
                m.QueueKey('S');
        };
    for (int i = 0; i < window.Examples().Count(); ++i)
        if (window.Grid(i).points.size() > static_cast<std::size_t>(kMaxGridPoints))
            __builtin_trap();
    platform::RecordingSurface out(window.ClientSize());
    window.DrawAll(out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const std::int32_t tag : {841, 961}) {
        DocumentState state;
        if (ReadDocument({data, size}, tag, state) != 0)
            continue;
        RoundTrip(state, tag);
        if (tag == 961)
            OpenInSpaceWindow(data, size);
    }
    return 0;
}
