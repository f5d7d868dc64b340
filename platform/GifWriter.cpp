#include "platform/GifWriter.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/Surface.h"

namespace korvane::platform {

namespace {

GifFileType* File(void* file) {
    return static_cast<GifFileType*>(file);
}

// The Netscape block that makes viewers loop the frames for ever.
bool PutLoop(GifFileType* gif) {
    static const GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof name, name) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

} // namespace

GifWriter::~GifWriter() {
    if (file_) {
        failed_ = true;
        Close();
    }
}

bool GifWriter::Open(const std::string& path, Size size) {
    if (file_ || size.width < 1 || size.height < 1 || size.width > 65535 || size.height > 65535)
        return false;
    // Opened here rather than by the library, which would make the file readable by its
    // owner only.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0)
        return false;
    int error = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &error);
    if (!gif) {
        ::close(fd);
        std::remove(path.c_str());
        return false;
    }
    file_ = gif;
    path_ = path;
    size_ = size;
    failed_ = false;
    EGifSetGifVersion(gif, true);
    failed_ =
        EGifPutScreenDesc(gif, size.width, size.height, 8, 0, nullptr) != GIF_OK || !PutLoop(gif);
    return !failed_;
}

bool GifWriter::AddFrame(const Surface& picture, int delay) {
    if (!file_ || failed_)
        return false;
    const std::size_t count = std::size_t(size_.width) * std::size_t(size_.height);
    std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
    std::size_t i = 0;
    for (int y = 0; y < size_.height; ++y)
        for (int x = 0; x < size_.width; ++x, ++i) {
            const Rgb c = picture.GetPixel({x, y}).value_or(Rgb{255, 255, 255});
            red[i] = c.r;
            green[i] = c.g;
            blue[i] = c.b;
        }
    int colours = 256;
    std::vector<GifColorType> palette(256);
    if (GifQuantizeBuffer(size_.width, size_.height, &colours, red.data(), green.data(),
                          blue.data(), indices.data(), palette.data()) != GIF_OK) {
        failed_ = true;
        return false;
    }
    ColorMapObject* map = GifMakeMapObject(256, palette.data());
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = std::clamp(delay, 0, 65535);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    GifFileType* gif = File(file_);
    bool ok = map && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, size_.width, size_.height, false, map) == GIF_OK;
    for (int y = 0; ok && y < size_.height; ++y)
        ok = EGifPutLine(gif, indices.data() + std::size_t(y) * std::size_t(size_.width),
                         size_.width) == GIF_OK;
    GifFreeMapObject(map);
    failed_ = !ok;
    return ok;
}

bool GifWriter::Close() {
    if (!file_)
        return false;
    int error = 0;
    const bool closed = EGifCloseFile(File(file_), &error) == GIF_OK;
    file_ = nullptr;
    const bool ok = closed && !failed_;
    if (!ok)
        std::remove(path_.c_str());
    return ok;
}

} // namespace korvane::platform
