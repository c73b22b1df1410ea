#include "window/picture_cache.h"

#include "window/platform.h"
#include "window/surface.h"

namespace quorrel {

std::string PictureArtFile(std::string file, int scale) {
    if (file.empty() || scale == 1) return file;
    size_t dot = file.rfind('.');
    std::string suffix = std::to_string(scale);
    suffix.insert(suffix.begin(), '@');
    suffix += 'x';
    return file.insert(dot == std::string::npos ? file.size() : dot, suffix);
}

const Image* PictureCache::Art(Picture picture, int scale) {
    size_t i = static_cast<size_t>(picture), k = static_cast<size_t>(scale - 1);
    if (i == 0 || i >= entries_.size() || k >= kArtScales) return nullptr;
    Entry& entry = entries_[i];
    if (!entry.tried[k]) {
        entry.tried[k] = true;
        if (loader_) {
            std::string path = FindFileIgnoringCase(folder_, PictureArtFile(files_[i], scale));
            if (!path.empty()) entry.art[k] = loader_(path);
        }
    }
    const std::optional<Image>& art = entry.art[k];
    return art && !art->Empty() ? &*art : nullptr;
}

const Image* PictureCache::Get(Picture picture) { return Art(picture, 1); }

const Image* PictureCache::GetSized(Picture picture, int width, int height) {
    size_t i = static_cast<size_t>(picture);
    if (i == 0 || i >= entries_.size() || width <= 0 || height <= 0 ||
        width > WindowSurface::kMaxSide || height > WindowSurface::kMaxSide ||
        int64_t{width} * height > WindowSurface::kMaxPixels)
        return nullptr;
    // The larger art is read only when a size needs it, so a window at its own size never
    // holds more than the 1x pictures.
    const Image* source = nullptr;
    for (int scale = 1; scale <= kArtScales; ++scale) {
        const Image* art = Art(picture, scale);
        if (!art) continue;
        source = art;
        if (art->width >= width && art->height >= height) break;
    }
    if (!source || (source->width == width && source->height == height)) return source;
    Entry& entry = entries_[i];
    for (size_t s = 0; s < entry.sized.size(); ++s)
        if (entry.sized[s].width == width && entry.sized[s].height == height) {
            entry.recent = s;
            return &entry.sized[s].image;
        }
    // Two sizes of one picture can be on show together (panels a pixel apart in size).
    entry.recent = 1 - entry.recent;
    entry.sized[entry.recent] = {width, height, ResizeArea(*source, width, height)};
    return &entry.sized[entry.recent].image;
}

}  // namespace quorrel
