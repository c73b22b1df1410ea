// The help topics as the help catalogs hold them, one catalog per language, and their text
// broken into the lines the help panel shows.
//
// An entry's context names its place: "TOPIC.NN KIND", NN its order in the topic and KIND one
// of title, heading, text, step, item, tip, parents; the panel's own words have the context
// "panel". English is the catalog en.mo; every other language falls back to it text by text.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

enum class HelpKind { Title, Heading, Text, Step, Item, Tip, Parents };

struct HelpBlock {
    HelpKind kind = HelpKind::Text;
    std::string text;
};

struct HelpTopic {
    int id = 0;  // 1000 the board, 1001 the setup, 1002 the maker
    std::string title;
    std::vector<HelpBlock> blocks;
};

struct HelpTexts {
    std::string language = "en";  // the language the texts are in, after any fallback
    bool right_to_left = false;
    std::vector<HelpTopic> topics;
    std::string back = "Back", more = "More", close = "Close";  // the panel's words

    // The topic by its id, or the first one for an id the catalogs lack.
    const HelpTopic& Topic(int id) const;
};

// The help of language (a code such as "es" or "pt_BR") from the catalogs in folder
// (".../help/locale/"). A language whose catalog is missing or damaged, or lacks some texts,
// shows English there, with one line in warning saying so; without even the English catalog
// each topic is a short notice, so the panel is never blank.
HelpTexts LoadHelpTexts(const std::string& folder, std::string_view language, std::string& warning);

struct HelpLine {
    std::string text;
    bool heading = false;
};

// The topic's blocks as lines at most width wide by measure: a blank line between blocks (none
// between the steps or the items of one list), a step numbered, an item bulleted, the lines
// after their first indented.
std::vector<HelpLine> HelpLines(const HelpTopic& topic, int width,
                                const std::function<int(const std::string&)>& measure);

// The first line shown after scrolling from top by delta lines, within 0 and the top that puts
// the last line at the bottom of rows.
int ScrolledTop(int top, int delta, int line_count, int rows);

}  // namespace quorrel
