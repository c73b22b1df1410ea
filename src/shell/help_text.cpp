#include "shell/help_text.h"

#include <algorithm>
#include <map>

#include "files/mo_catalog.h"
#include "window/render/text_layout.h"

namespace quorrel {
namespace {

constexpr int kTopics[] = {1000, 1001, 1002};

struct Kind {
    const char* name;
    HelpKind kind;
};
constexpr Kind kKinds[] = {{"title", HelpKind::Title},    {"heading", HelpKind::Heading},
                           {"text", HelpKind::Text},      {"step", HelpKind::Step},
                           {"item", HelpKind::Item},      {"tip", HelpKind::Tip},
                           {"parents", HelpKind::Parents}};

// "1000.07 item" into its topic, order and kind; false for any other context.
bool ParseContext(const std::string& context, int& topic, int& order, HelpKind& kind) {
    const size_t dot = context.find('.'), space = context.find(' ');
    if (dot != 4 || space == std::string::npos || space <= dot + 1 || space > dot + 4) return false;
    topic = 0, order = 0;
    for (size_t i = 0; i < space; ++i) {
        if (i == dot) continue;
        if (context[i] < '0' || context[i] > '9') return false;
        (i < dot ? topic : order) = (i < dot ? topic : order) * 10 + (context[i] - '0');
    }
    const std::string name = context.substr(space + 1);
    for (const Kind& k : kKinds)
        if (name == k.name) {
            kind = k.kind;
            return true;
        }
    return false;
}

// A code the catalogs could be named by: letters, then at most "_" and a region.
bool PlausibleCode(std::string_view code) {
    if (code.empty() || code.size() > 8) return false;
    return std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    });
}

// The topics and words of a catalog, each text replaced by its translation where other has
// one; missing counts the texts other lacks.
HelpTexts FromCatalog(const MoCatalog& english, const MoCatalog* other, int& missing) {
    HelpTexts texts;
    auto pick = [&](const MoEntry& e) -> const std::string& {
        if (!other) return e.translation;
        const std::string* t = other->Find(e.context, e.original);
        if (t && !t->empty()) return *t;
        ++missing;
        return e.translation;
    };
    std::map<int, std::map<int, HelpBlock>> topics;
    for (const MoEntry& e : english.Entries()) {
        int topic, order;
        HelpKind kind;
        if (e.context == "panel") {
            if (e.original == "Back") texts.back = pick(e);
            if (e.original == "More") texts.more = pick(e);
            if (e.original == "Close") texts.close = pick(e);
        } else if (ParseContext(e.context, topic, order, kind)) {
            topics[topic][order] = {kind, pick(e)};
        }
    }
    for (int id : kTopics) {
        HelpTopic topic{id, "Help", {}};
        for (auto& [order, block] : topics[id]) {
            if (block.kind == HelpKind::Title)
                topic.title = std::move(block.text);
            else
                topic.blocks.push_back(std::move(block));
        }
        texts.topics.push_back(std::move(topic));
    }
    return texts;
}

HelpTexts Missing() {
    HelpTexts texts;
    for (int id : kTopics)
        texts.topics.push_back(
            {id,
             "Help",
             {{HelpKind::Text,
               "The help texts are missing. The pages in the folder help of the game say the "
               "same."}}});
    return texts;
}

}  // namespace

const HelpTopic& HelpTexts::Topic(int id) const {
    for (const HelpTopic& t : topics)
        if (t.id == id) return t;
    return topics.front();
}

HelpTexts LoadHelpTexts(const std::string& folder, std::string_view language,
                        std::string& warning) {
    warning.clear();
    MoCatalog english, other;
    std::string error;
    if (!english.Read(folder + "en.mo", error)) {
        warning = "quorrel: no help texts (" + error + ")";
        return Missing();
    }
    int missing = 0;
    if (language == "en") return FromCatalog(english, nullptr, missing);
    if (!PlausibleCode(language)) {
        warning = "quorrel: no help in '" + std::string(language) + "'; showing English";
        return FromCatalog(english, nullptr, missing);
    }
    if (!other.Read(folder + std::string(language) + ".mo", error)) {
        warning = "quorrel: help in " + std::string(language) + " cannot be read (" + error +
                  "); showing English";
        return FromCatalog(english, nullptr, missing);
    }
    HelpTexts texts = FromCatalog(english, &other, missing);
    texts.language = language;
    texts.right_to_left = language == "ar";
    if (missing > 0)
        warning = "quorrel: help in " + std::string(language) + " lacks " +
                  std::to_string(missing) + " texts; showing them in English";
    return texts;
}

std::vector<HelpLine> HelpLines(const HelpTopic& topic, int width,
                                const std::function<int(const std::string&)>& measure) {
    std::vector<HelpLine> lines;
    int step = 0;
    HelpKind previous = HelpKind::Title;
    for (const HelpBlock& block : topic.blocks) {
        const bool listed = block.kind == HelpKind::Step || block.kind == HelpKind::Item;
        step = block.kind == HelpKind::Step ? (previous == HelpKind::Step ? step + 1 : 1) : 0;
        if (!lines.empty() && !(listed && block.kind == previous)) lines.push_back({});
        previous = block.kind;
        std::string mark = block.kind == HelpKind::Step   ? std::to_string(step) + ". "
                           : block.kind == HelpKind::Item ? "\xE2\x80\xA2 "
                                                          : "";
        // The lines after a mark's first start where its text does.
        const std::string indent = mark.empty() ? "" : "   ";
        const int inner = std::max(1, width - measure(mark));
        bool first = true;
        for (std::string& line : WrapText(block.text, inner, measure)) {
            lines.push_back({(first ? mark : indent) + line, block.kind == HelpKind::Heading});
            first = false;
        }
    }
    return lines;
}

int ScrolledTop(int top, int delta, int line_count, int rows) {
    const long last = std::max(0L, static_cast<long>(line_count) - std::max(rows, 1));
    return static_cast<int>(std::clamp(static_cast<long>(top) + delta, 0L, last));
}

}  // namespace quorrel
