#include "window/elements.h"

#include <cassert>
#include <cstdlib>
#include <functional>

#include "state/convert.h"

namespace quorrel {
namespace {

bool Windowless(const Element& e) { return e.kind == Kind::Label || e.kind == Kind::Line; }

}  // namespace

Elements::Elements(const ElementTable& table)
    : window_back(table.window_back), window_fore(table.window_fore), names_(table.names) {
    all_.reserve(table.rows.size());
    for (const ElementTable::Row& row : table.rows) all_.push_back(row.element);
    Index();
    // Parents are named in the table; resolve them once the ids exist.
    for (size_t i = 0; i < table.rows.size(); ++i)
        if (table.rows[i].parent_name)
            all_[i].parent = Id((*this)(*table.rows[i].parent_name, table.rows[i].parent_index));
    Index();
}

std::string_view Elements::ShownCaption(const Element& element) const {
    if (!catalog) return element.caption;
    if (element.caption_context) {
        // msgfmt keys a text with a context as the context, byte 4, then the text.
        std::string key = std::string(element.caption_context) + '\x04' + element.caption;
        std::string_view found = catalog->Find(key);
        if (found.data() != key.data()) return found;
    }
    return catalog->Find(element.caption);
}

std::string Elements::FullName(const Element& element) const {
    const size_t n = static_cast<size_t>(element.name);
    std::string text = n < names_.size() ? names_[n] : std::string("?");
    if (element.index >= 0) text += "(" + std::to_string(element.index) + ")";
    return text;
}

int TwipsToPixels(int twips, double scale) { return RoundToInt32(twips * scale / 15.0); }

void Elements::Rescale(double new_scale) {
    if (!(new_scale > 0) || new_scale == scale) return;
    const double ratio = new_scale / scale;
    for (Element& e : all_) {
        if (e.parent < 0) {
            e.left = RoundToInt32(e.left * ratio);
            e.top = RoundToInt32(e.top * ratio);
        } else {
            e.left = TwipsToPixels(e.twips.left, new_scale);
            e.top = TwipsToPixels(e.twips.top, new_scale);
        }
        e.width = TwipsToPixels(e.twips.width, new_scale);
        e.height = TwipsToPixels(e.twips.height, new_scale);
    }
    scale = new_scale;
}

int Elements::Px(double design_pixels) const { return RoundToInt32(design_pixels * scale); }

void Elements::Index() {
    ids_.assign(names_.size(), {});
    for (size_t id = 0; id < all_.size(); ++id) {
        if (static_cast<size_t>(all_[id].name) >= ids_.size())
            ids_.resize(static_cast<size_t>(all_[id].name) + 1);
        auto& slots = ids_[static_cast<size_t>(all_[id].name)];
        size_t slot = static_cast<size_t>(all_[id].index + 1);
        if (slots.size() <= slot) slots.resize(slot + 1, -1);
        slots[slot] = static_cast<int>(id);
    }
    // Painting order: each container's windowless children first, then its windowed children,
    // each followed at once by everything inside it.
    paint_order_.clear();
    std::function<void(int)> paint_children = [&](int parent) {
        for (int pass = 0; pass < 2; ++pass)
            for (size_t id = 0; id < all_.size(); ++id) {
                const Element& e = all_[id];
                if (e.parent != parent || Windowless(e) != (pass == 0)) continue;
                paint_order_.push_back(static_cast<int>(id));
                if (!Windowless(e)) paint_children(static_cast<int>(id));
            }
    };
    paint_children(-1);
}

Element* Elements::Find(Name name, int index) {
    if (static_cast<size_t>(name) >= ids_.size()) return nullptr;
    const auto& slots = ids_[static_cast<size_t>(name)];
    size_t slot = static_cast<size_t>(index + 1);
    if (index < -1 || slot >= slots.size() || slots[slot] < 0) return nullptr;
    return &all_[slots[slot]];
}

Element& Elements::operator()(Name name, int index) {
    Element* element = Find(name, index);
    if (!element) {
        assert(!"no such element");
        std::abort();
    }
    return *element;
}

const Element& Elements::operator()(Name name, int index) const {
    return const_cast<Elements&>(*this)(name, index);
}

Element* Elements::FindByText(const std::string& text) {
    std::string base = text;
    int index = -1;
    size_t open = text.find('(');
    if (open != std::string::npos) {
        if (text.back() != ')' || open + 2 >= text.size()) return nullptr;
        std::string digits = text.substr(open + 1, text.size() - open - 2);
        if (digits.empty() || digits.size() > 3 ||
            digits.find_first_not_of("0123456789") != std::string::npos)
            return nullptr;
        index = std::stoi(digits);
        base = text.substr(0, open);
    }
    for (size_t n = 0; n < names_.size(); ++n)
        if (base == names_[n]) return Find(static_cast<Name>(n), index);
    return nullptr;
}

bool Elements::Shown(const Element& element) const {
    for (const Element* e = &element;; e = &all_[e->parent]) {
        if (!e->visible) return false;
        if (e->parent < 0) return true;
    }
}

void Elements::WindowPosition(const Element& element, int& x, int& y) const {
    x = 0;
    y = 0;
    for (const Element* e = &element;; e = &all_[e->parent]) {
        x += e->left;
        y += e->top;
        if (e->parent < 0) return;
    }
}

int Elements::HitTest(int x, int y) const {
    for (auto it = paint_order_.rbegin(); it != paint_order_.rend(); ++it) {
        const Element& e = all_[*it];
        if (e.kind == Kind::Line || e.kind == Kind::MediaPlayer || !Shown(e)) continue;
        // The point must lie inside the element and inside every panel that clips it.
        bool inside = true;
        for (const Element* c = &e; inside; c = &all_[c->parent]) {
            int cx, cy;
            WindowPosition(*c, cx, cy);
            inside = x >= cx && y >= cy && x < cx + c->width && y < cy + c->height;
            if (c->parent < 0) break;
        }
        if (inside) return *it;
    }
    return -1;
}

}  // namespace quorrel
