// The element tree of the window Calc: every element with its stored properties, addressable by
// name and index, plus the window's own colours.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "files/message_catalog.h"
#include "window/element.h"

namespace quorrel {

// A window as its program stores it: every element, each with the name and index of the panel
// it sits in (none: the window itself), the text of every name, and the window's colours.
struct ElementTable {
    struct Row {
        Element element;
        std::optional<Name> parent_name;
        int parent_index = -1;
    };
    std::vector<Row> rows;
    std::vector<std::string> names;  // by Name
    uint32_t window_back = 0, window_fore = 0;
};

class Elements {
  public:
    explicit Elements(const ElementTable& table);  // the stored window, before any code runs

    // The element; asking for one that does not exist (But(18)) is a programming error.
    Element& operator()(Name name, int index = -1);
    const Element& operator()(Name name, int index = -1) const;
    // nullptr when no element carries that name and index.
    Element* Find(Name name, int index = -1);
    // "Digit(2)", "Floater"; nullptr when unknown.
    Element* FindByText(const std::string& text);
    // "Digit(2)", "Floater".
    std::string FullName(const Element& element) const;

    int Id(const Element& element) const { return static_cast<int>(&element - all_.data()); }
    Element& At(int id) { return all_[id]; }
    const Element& At(int id) const { return all_[id]; }
    const std::vector<Element>& All() const { return all_; }

    // Visible itself and every panel it sits in.
    bool Shown(const Element& element) const;
    // Top-left corner in window pixels.
    void WindowPosition(const Element& element, int& x, int& y) const;
    // Element ids in painting order, back to front: panels in stacking order, and inside each
    // container the windowless labels and lines first, under its picture boxes and buttons.
    const std::vector<int>& PaintOrder() const { return paint_order_; }
    // The topmost shown element under a window pixel, or -1 for the bare window background.
    int HitTest(int x, int y) const;

    uint32_t window_back;
    uint32_t window_fore;
    // Pixels per design pixel: the desktop's scale times the zoom. Places and sizes above are
    // already in scaled pixels; the renderer scales fonts, pens and pictures by it.
    double scale = 1.0;
    // Lays every element out again from its stored twips at a new scale. Panels on the window
    // keep their place in proportion until the next layout moves them.
    void Rescale(double new_scale);
    // A length given in pixels at scale 1 (a margin, a gap), at the current scale.
    int Px(double design_pixels) const;

    // The element keys act on (-1: none), and whether its ring is drawn: from a key press to
    // the next mouse click, so that mouse players never see it.
    struct KeyFocus {
        int element = -1;
        bool shown = false;
    } focus;

    // The catalog captions are shown through: a caption holds the program's own (English) text
    // and is translated where it is drawn or printed, so a change of language shows at once.
    // nullptr shows captions as they are stored.
    const MessageCatalog* catalog = nullptr;
    std::string_view ShownCaption(const Element& element) const;

  private:
    void Index();
    std::vector<Element> all_;
    std::vector<std::string> names_;
    std::vector<std::vector<int>> ids_;  // [name][index + 1]
    std::vector<int> paint_order_;
};

}  // namespace quorrel
