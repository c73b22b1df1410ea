// The window's stored pictures, each loaded once on first use through a loader the platform
// supplies (the front end's image library, or a test's stand-in). Every picture is stored at
// one, two and three times the window's own size, so that a scaled window can show it from art
// drawn for about its size.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window/element.h"
#include "window/image.h"

namespace quorrel {

// Reads a picture file; nullopt when it cannot be read.
using PictureLoader = std::function<std::optional<Image>(const std::string& path)>;

class PictureCache {
  public:
    // The sizes the art is stored at, as multiples of the 1x picture (name@2x.png, ...).
    static constexpr int kArtScales = 3;

    PictureCache() = default;
    // Pictures are looked up below program_folder, picture n in files[n] ("" for none); without
    // a loader they are all absent.
    PictureCache(std::string program_folder, PictureLoader loader, std::vector<std::string> files)
        : folder_(std::move(program_folder)),
          loader_(std::move(loader)),
          files_(std::move(files)),
          entries_(files_.size()) {}

    // The 1x picture; nullptr when it is missing or unreadable (asked once, remembered).
    const Image* Get(Picture picture);
    // The picture at exactly width x height, reduced from the smallest art at least that large,
    // or enlarged from the largest art when none is. nullptr when no art of it can be read or
    // the size is not positive or larger than a window surface. Each picture keeps its two
    // sizes asked for last, so the pointer stays good until two other sizes of it are asked.
    const Image* GetSized(Picture picture, int width, int height);

  private:
    const Image* Art(Picture picture, int scale);

    struct Sized {
        int width = 0, height = 0;
        Image image;
    };
    struct Entry {
        std::array<std::optional<Image>, kArtScales> art;
        std::array<bool, kArtScales> tried{};
        std::array<Sized, 2> sized;
        size_t recent = 0;  // the one of them asked for last
    };

    std::string folder_;
    PictureLoader loader_;
    std::vector<std::string> files_;
    std::vector<Entry> entries_;
};

// The file of a picture's art at a scale ("name@2x.png"), from its 1x file ("" for none).
std::string PictureArtFile(std::string file, int scale);

}  // namespace quorrel
