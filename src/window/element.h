// The elements of the window Calc: labels, picture boxes and buttons as plain data.
#pragma once

#include <cstdint>
#include <string>

namespace quorrel {

// Colours are 24-bit values in blue-green-red order (&H00BBGGRR), the order the driver prints.
namespace colour {
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kGreen = 0x008000;
constexpr uint32_t kPurple = 0x800080;
constexpr uint32_t kSilver = 0xC0C0C0;
constexpr uint32_t kLightGrey = 0xE0E0E0;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kDarkGrey = 0x404040;
constexpr uint32_t kDarkRed = 0x000040;
constexpr uint32_t kBlue = 0xFF0000;
// The desktop colours the window stores by reference.
constexpr uint32_t kSystemWindow = kWhite;
constexpr uint32_t kSystemText = kBlack;
constexpr uint32_t kSystemScrollBar = kSilver;
}  // namespace colour

enum class Kind : uint8_t { Label, PictureBox, CommandButton, Line, MediaPlayer };
enum class Align : uint8_t { Left, Centre, Right };

// The stored pictures. Op0..Op3 carry grey symbols, Op4..Op7 their white twins.
// The pictures an element may show are the program's own (for the game, screens/pictures.h); 0
// is none, and the platform's picture cache finds the others by the file list it is given.
enum class Picture : uint8_t;

// Element names; arrays share one name and are told apart by their index. The names are the
// program's own (for the game, screens/names.h): the toolkit only stores and compares them.
enum class Name : uint8_t;

struct Font {
    std::string family = "Arial";
    float points = 7.5f;
    bool bold = true;
    bool operator==(const Font&) const = default;
};

struct Element {
    Name name{};
    int16_t index = -1;  // -1 for an element that is not part of an array
    Kind kind = Kind::Label;
    int parent = -1;  // element id of the containing panel; -1 is the window itself
    std::string caption;
    // Where one text needs other words in one place than in the others (a word half under its
    // panel's edge), the catalogs' context it is translated in there; nullptr for none.
    const char* caption_context = nullptr;
    int left = 0, top = 0, width = 0, height = 0;  // pixels, relative to the parent
    // The stored place in twips, from which the element is laid out again at another scale.
    struct TwipsRect {
        int left = 0, top = 0, width = 0, height = 0;
        bool operator==(const TwipsRect&) const = default;
    } twips;
    uint32_t fore = colour::kBlack;
    uint32_t back = colour::kWhite;
    bool opaque = false;
    bool border = false;
    Align align = Align::Left;
    Font font;
    std::string tooltip;
    bool visible = true;
    Picture picture{};  // none
    // The block of the picture that is stretched over the element; 0 shows it 1:1 from the
    // top-left corner, as a picture box does until its picture is fitted.
    int picture_src_width = 0, picture_src_height = 0;
    // Whole-element equality: the event loop compares against what it last put on screen.
    bool operator==(const Element&) const = default;
};

// Twips at a scale (15 twips make a pixel at scale 1), rounded to the nearest pixel.
int TwipsToPixels(int twips, double scale);

}  // namespace quorrel
