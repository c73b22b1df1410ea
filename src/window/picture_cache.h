// The window's stored pictures, each loaded once on first use through a loader the platform
// supplies (the front end's image library, or a test's stand-in).
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "window/element.h"
#include "window/image.h"

namespace quorrel {

// Reads a picture file; nullopt when it cannot be read.
using PictureLoader = std::function<std::optional<Image>(const std::string& path)>;

class PictureCache {
  public:
    PictureCache() = default;
    // Pictures are looked up below program_folder; without a loader they are all absent.
    PictureCache(std::string program_folder, PictureLoader loader)
        : folder_(std::move(program_folder)), loader_(std::move(loader)) {}

    // nullptr when the picture is missing or unreadable (asked once, remembered).
    const Image* Get(Picture picture);

  private:
    std::string folder_;
    PictureLoader loader_;
    std::array<std::optional<Image>, static_cast<size_t>(Picture::Count)> pictures_;
    std::array<bool, static_cast<size_t>(Picture::Count)> tried_{};
};

}  // namespace quorrel
