// Help inside the window: the topic of the screen below on a panel of its own, wrapped as the
// renderer wraps its labels, scrolled by whole lines, in the language chosen.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "shell/calc.h"
#include "window/render/text_rasteriser.h"

namespace quorrel {
namespace {

constexpr int kWheelLines = 3;  // lines a notch of the wheel moves, as desktops do

// The face of the panel's texts: Arial's stand-in lacks the Arabic script, Verdana's has it.
const char* Family(const HelpTexts& texts) { return texts.right_to_left ? "Verdana" : "Arial"; }

// The font of the lines as the renderer draws them at the window's scale, bold as the headings
// are: the lines are measured in it, so that a body line never needs a second wrap.
Font MeasuredFont(const Elements& el) {
    Font font = el(Name::HelpLine, 0).font;
    font.points = static_cast<float>(font.points * el.scale);
    font.bold = true;
    return font;
}

void LoadTexts(HelpPanelState& help, const std::string& folder) {
    std::string warning;
    help.texts = LoadHelpTexts(folder, help.language, warning);
    if (!warning.empty()) std::fprintf(stderr, "%s\n", warning.c_str());
    help.loaded = true;
}

// The lines from the first shown down, as many as the panel holds; headings in yellow.
void ShowLines(Calc& calc) {
    HelpPanelState& help = calc.help;
    Elements& el = calc.el;
    for (int i = 0; i < kHelpRows; ++i) {
        Element& line = el(Name::HelpLine, i);
        const size_t at = static_cast<size_t>(help.top + i);
        line.visible = i < help.rows && at < help.lines.size();
        if (!line.visible) continue;
        line.caption = help.lines[at].text;
        line.fore = help.lines[at].heading ? colour::kYellow : colour::kWhite;
        line.font.bold = help.lines[at].heading;
        line.align = help.texts.right_to_left ? Align::Right : Align::Left;
    }
    // A word with nowhere to go is greyed, as the setup greys a choice not taken.
    const int last = ScrolledTop(help.top, static_cast<int>(help.lines.size()),
                                 static_cast<int>(help.lines.size()), help.rows);
    el(Name::HelpWord, kHelpBack).fore = help.top > 0 ? colour::kSilver : colour::kDarkGrey;
    el(Name::HelpWord, kHelpMore).fore = help.top < last ? colour::kSilver : colour::kDarkGrey;
}

// The topic's title and the panel's words in the language chosen, read first if need be.
void ShowTopic(Calc& calc) {
    HelpPanelState& help = calc.help;
    Elements& el = calc.el;
    if (!help.loaded) LoadTexts(help, calc.gs.HelpFile + "locale/");
    el(Name::HelpTitle).caption = help.texts.Topic(help.topic).title;
    el(Name::HelpWord, kHelpBack).caption = help.texts.back;
    el(Name::HelpWord, kHelpMore).caption = help.texts.more;
    el(Name::HelpWord, kHelpClose).caption = help.texts.close;
    el(Name::HelpTitle).font.family = Family(help.texts);
    for (int i = 0; i < kHelpRows; ++i) el(Name::HelpLine, i).font.family = Family(help.texts);
    for (int i = 0; i < 3; ++i) el(Name::HelpWord, i).font.family = Family(help.texts);
}

}  // namespace

void SetHelpLanguage(Calc& calc, std::string_view code) {
    HelpPanelState& help = calc.help;
    if (code == help.language) return;
    help.language = code;
    help.loaded = false;
    if (!calc.Screens().Has(Overlay::Help)) return;
    // The topic on show again from its top, in the new words; it is not opened anew.
    help.top = 0;
    ShowTopic(calc);
    calc.LayOutHelpPanel();
}

void Calc::OpenHelpPanel(int topic) {
    if (!Screens().Has(Overlay::Help) || help.topic != topic) help.top = 0;
    help.topic = topic;
    ShowTopic(*this);
    SetOverlay(Overlay::Help, true);
    LayOutHelpPanel();
    platform.HelpShown(topic);
}

void Calc::CloseHelpPanel() { SetOverlay(Overlay::Help, false); }

void Calc::ScrollHelp(int lines) {
    if (!Screens().Has(Overlay::Help)) return;
    help.top = ScrolledTop(help.top, lines, static_cast<int>(help.lines.size()), help.rows);
    ShowLines(*this);
}

void Calc::ScrollHelpToEnd(bool end) {
    ScrollHelp(end ? static_cast<int>(help.lines.size()) : -help.top);
}

void Calc::HelpWord_Click(int16_t Index) {
    const int page = std::max(1, help.rows - 1);  // a page keeps one line of the last in sight
    if (Index == kHelpBack) ScrollHelp(-page);
    if (Index == kHelpMore) ScrollHelp(page);
    if (Index == kHelpClose) CloseHelpPanel();
}

Step Calc::OnWheel(int notches) {
    ScrollHelp(std::clamp(notches, -100, 100) * kWheelLines);
    return {};
}

void Calc::LayOutHelpPanel() {
    if (!Screens().Has(Overlay::Help)) return;
    // The stored size, less a margin where the window is smaller, centred in the window.
    Element& panel = el(Name::HelpPanel);
    const int inner_w = platform.InnerWidth(), inner_h = platform.InnerHeight();
    panel.width = std::max(el.Px(200), std::min(el.Px(640), inner_w - el.Px(16)));
    panel.height = std::max(el.Px(160), std::min(el.Px(540), inner_h - el.Px(16)));
    panel.left = std::max(0, (inner_w - panel.width) / 2);
    panel.top = std::max(0, (inner_h - panel.height) / 2);

    Element& title = el(Name::HelpTitle);
    title.left = el.Px(12), title.top = el.Px(8);
    title.width = panel.width - el.Px(24), title.height = el.Px(34);
    const int word_width = (panel.width - el.Px(24)) / 3;
    for (int i = 0; i < 3; ++i) {
        Element& word = el(Name::HelpWord, i);
        word.left = el.Px(12) + i * word_width, word.top = panel.height - el.Px(40);
        word.width = word_width, word.height = el.Px(32);
    }

    const Font font = MeasuredFont(el);
    TextRasteriser* text = platform.LayoutText();
    // Without a font engine (frames nobody sees) a generous guess of the font's widths.
    auto measure = [&](const std::string& s) {
        if (text) return text->Width(font, s);
        return static_cast<int>(std::lround(s.size() * font.points * 0.7));
    };
    const int row = std::max(
        1, text ? text->LineHeight(font) : static_cast<int>(std::lround(font.points * 1.5)));
    const int width = panel.width - el.Px(48);
    help.rows = std::clamp((panel.height - el.Px(96)) / row, 1, kHelpRows);
    for (int i = 0; i < kHelpRows; ++i) {
        Element& line = el(Name::HelpLine, i);
        line.left = el.Px(24), line.top = el.Px(50) + i * row;
        line.width = width, line.height = row;
    }
    help.lines = HelpLines(help.texts.Topic(help.topic), width, measure);
    help.top = ScrolledTop(help.top, 0, static_cast<int>(help.lines.size()), help.rows);
    ShowLines(*this);
}

}  // namespace quorrel
