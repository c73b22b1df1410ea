#include "window/picture_cache.h"

#include "window/platform.h"

namespace quorrel {

const Image* PictureCache::Get(Picture picture) {
    size_t i = static_cast<size_t>(picture);
    if (i == 0 || i >= pictures_.size()) return nullptr;
    if (!tried_[i]) {
        tried_[i] = true;
        if (loader_) {
            std::string path = FindFileIgnoringCase(folder_, PictureFile(picture));
            if (!path.empty()) pictures_[i] = loader_(path);
        }
    }
    return pictures_[i] ? &*pictures_[i] : nullptr;
}

}  // namespace quorrel
