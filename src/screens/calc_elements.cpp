// The stored window: every element of Calc with its place (in twips, turned into pixels here),
// colours, fonts, captions and pictures, and the elements' names. This is the one place these
// values live.
#include "screens/calc_elements.h"

#include <cassert>
#include <vector>

#include "files/message_catalog.h"
#include "screens/pictures.h"
#include "state/language_names.h"

namespace quorrel {
namespace {

using namespace colour;

// A row of the table, built with chained setters so that each element reads as one line (the
// formatter is kept off the table for that).
// clang-format off
struct Row {
    Element e;
    Name parent_name = Name::Count;  // Count: the window itself
    int parent_index = -1;

    Row& in(Name parent, int index = -1) { parent_name = parent; parent_index = index; return *this; }
    Row& at(int l, int t, int w, int h) {
        e.twips = {l, t, w, h};
        e.left = TwipsToPixels(l, 1); e.top = TwipsToPixels(t, 1);
        e.width = TwipsToPixels(w, 1); e.height = TwipsToPixels(h, 1);
        return *this;
    }
    // A caption in the program's words, shown through the language's catalog.
    Row& text(const char* caption) { e.caption = caption; return *this; }
    Row& text(const char* context, const char* caption) { e.caption_context = context; return text(caption); }
    // A caption no catalog holds: numbers and signs, names, and the stand-ins the code
    // replaces before the window shows them.
    Row& raw(const char* caption) { e.caption = caption; return *this; }
    Row& fg(uint32_t c) { e.fore = c; return *this; }
    Row& bg(uint32_t c) { e.back = c; e.opaque = true; return *this; }
    // A back colour kept but not painted.
    Row& stored_back(uint32_t c) { e.back = c; return *this; }
    Row& box() { e.border = true; return *this; }
    Row& font(float points, const char* family = "Arial") {
        e.font.points = points; e.font.family = family;
        return *this;
    }
    Row& regular() { e.font.bold = false; return *this; }
    Row& centre() { e.align = Align::Centre; return *this; }
    Row& right() { e.align = Align::Right; return *this; }
    Row& hidden() { e.visible = false; return *this; }
    Row& pic(Picture p) { e.picture = p; return *this; }
    Row& tip(const char* t) { e.tooltip = t; return *this; }
};

Row Make(Kind kind, Name name, int index) {
    Row r;
    r.e.kind = kind;
    r.e.name = name;
    r.e.index = static_cast<int16_t>(index);
    if (kind == Kind::PictureBox) r.e.opaque = true;
    if (kind == Kind::CommandButton) {
        r.e.back = kSilver;
        r.e.opaque = true;
        r.e.align = Align::Centre;
    }
    return r;
}
Row Lbl(Name n, int i = -1) { return Make(Kind::Label, n, i); }
Row Box(Name n, int i = -1) { return Make(Kind::PictureBox, n, i); }
Row Btn(Name n, int i = -1) { return Make(Kind::CommandButton, n, i); }
Row Panel(Name n, int l, int t, int w = 3255, int h = 3255) {
    return Box(n).at(l, t, w, h).bg(kRed).pic(Picture::Panel).hidden();
}

std::vector<Row> StoredWindow() {
    std::vector<Row> rows;
    auto add = [&rows](Row r) { rows.push_back(std::move(r)); };

    // Panels, back to front.
    add(Box(Name::Paper).at(6600, 120, 1530, 1530).bg(kSystemWindow).box().pic(Picture::Tile).hidden());
    add(Box(Name::Hellf).at(600, 6660, 9255, 2235).bg(kPurple).hidden());
    // The statistics panel and the maker notice can stay up after a background click; they lie
    // under the other panels so that what the click brought up is what the player sees.
    add(Panel(Name::Hist, 6600, 0, 3260, 3255));
    add(Panel(Name::RestoreHint, 180, 5220));
    add(Panel(Name::Floater, 3360, 120).pic(Picture::Board));
    add(Panel(Name::Helper, 3360, 3360));
    add(Panel(Name::SelFloat, 120, 120));
    add(Panel(Name::MoreFloat, 120, 120));
    add(Panel(Name::Spirom, 6600, 3360));
    add(Box(Name::First).at(120, 3360, 3285, 3285).bg(kRed).pic(Picture::Title));
    // The help topic of the screen below, on the window's purple with the strip's yellow.
    add(Box(Name::HelpPanel).at(120, 120, 9600, 8100).bg(kPurple).box().hidden());
    // A notice (a saved figure, or where it could not be saved), above everything.
    add(Box(Name::HelpNote).at(120, 120, 9600, 900).bg(kWhite).box().hidden());

    // The puzzle board.
    const int dig_left[4] = {360, 1200, 2040, 1200}, dig_top[4] = {1200, 360, 1200, 2040};
    for (int i = 0; i < 4; ++i) {
        add(Box(Name::Dig, i).in(Name::Floater).at(dig_left[i], dig_top[i], 855, 855).bg(kYellow));
        add(Lbl(Name::Digit, i).in(Name::Dig, i).raw("5").at(0, 120, 855, 735).fg(kBlack).font(24).centre());
    }
    const int op_left[4] = {345, 2055, 300, 2055}, op_top[4] = {345, 345, 2055, 2040};
    for (int i = 0; i < 8; ++i) {
        Row op = Box(Name::Op, i).in(Name::Floater).at(op_left[i % 4], op_top[i % 4], 855, 855)
                     .bg(i < 4 ? kGreen : kRed)
                     .pic(static_cast<Picture>(static_cast<int>(Picture::Op0) + i));
        if (i >= 4) op.hidden();
        add(op);
    }
    add(Lbl(Name::Label1).in(Name::Op, 0).raw("Label1").at(840, 840, 735, 615));
    add(Lbl(Name::Label3).in(Name::Op, 4).raw("Label1").at(840, 840, 735, 615));
    add(Lbl(Name::Cent).in(Name::Floater).raw("24").at(1200, 1440, 855, 645).fg(kSilver).stored_back(kGreen).font(18).centre());
    add(Lbl(Name::HintL).in(Name::Floater).raw("1+6 then 23/23").at(720, 3000, 1815, 255).fg(kYellow).font(9).centre());
    add(Lbl(Name::ScoreB).in(Name::Floater).raw(" ").at(720, 0, 1815, 255).fg(kYellow).font(8.25f).centre().hidden());
    // TRANSLATORS: the words at the board's corners (9 pt, one line): Menu 49 px wide, Help,
    // Hint and Quit 41 px. Keep the blanks: they set the word off the corner.
    add(Lbl(Name::But, 1).in(Name::Floater).text("  Menu ").at(0, 45, 735, 255).fg(kSilver).font(9).centre());
    // TRANSLATORS: the board's top-right word (41 x 17 px, 9 pt); keep the blanks.
    add(Lbl(Name::But, 4).in(Name::Floater).text("  Help").at(2520, 45, 615, 255).fg(kSilver).font(9).centre());
    // TRANSLATORS: the board's bottom-left word (41 x 17 px, 9 pt); keep the blank.
    add(Lbl(Name::But, 3).in(Name::Floater).text(" Hint").at(0, 2925, 615, 255).fg(kSilver).font(9).centre());
    // TRANSLATORS: the board's bottom-right word (41 x 17 px, 9 pt); keep the blanks.
    add(Lbl(Name::But, 0).in(Name::Floater).text("Quit  ").at(2640, 2925, 615, 255).fg(kSilver).font(9).centre());
    add(Box(Name::spot).in(Name::Floater).at(1185, 1185, 30, 30).bg(kDarkRed));
    add(Lbl(Name::Label5).in(Name::Floater).at(0, 1200, 375, 855));

    // The main menu and its about box.
    // TRANSLATORS: the main menu: its heading (201 x 27 px, 12 pt), then its choices (153 px
    // wide at 18 pt, one line; About 105 px) and the corner word Play (41 px, 9 pt).
    add(Lbl(Name::Label10).in(Name::Helper).text("Click desired choice:").at(120, 240, 3015, 405).fg(kSilver).font(12).centre());
    // TRANSLATORS: a main menu choice (153 x 29 px, 18 pt, one line).
    add(Lbl(Name::But, 7).in(Name::Helper).text("Your Stats").at(480, 720, 2295, 435).fg(kYellow).font(18).centre());
    // TRANSLATORS: a main menu choice (153 x 25 px, 18 pt, one line).
    add(Lbl(Name::But, 16).in(Name::Helper).text("Setup").at(480, 1260, 2295, 375).fg(kYellow).font(18).centre());
    // TRANSLATORS: a main menu choice: draw spirolaterals (153 x 25 px, 18 pt, one line).
    add(Lbl(Name::But, 6).in(Name::Helper).text("Make Spiros").at(480, 1800, 2295, 375).fg(kYellow).font(18).centre());
    // TRANSLATORS: a main menu choice: the About box (105 x 25 px, 18 pt, one line).
    add(Lbl(Name::But, 8).in(Name::Helper).text("About").at(840, 2400, 1575, 375).fg(kYellow).font(18).centre());
    // TRANSLATORS: the main menu's corner word back to the board (41 x 25 px, 9 pt); keep the blank.
    add(Lbl(Name::But, 5).in(Name::Helper).text("Play ").at(2520, 2880, 615, 375).fg(kSilver).font(9).right());
    add(Box(Name::Picture2).in(Name::Helper).at(1185, 1185, 30, 30).bg(kDarkRed));
    add(Lbl(Name::Label8).in(Name::Helper).at(60, 2880, 375, 855));
    add(Box(Name::About).in(Name::Helper).at(120, 120, 3015, 2715).bg(kWhite).hidden());
    add(Lbl(Name::Label6).in(Name::About).raw("Quorrel").at(840, 300, 1815, 480).fg(kSystemText).font(12).centre());
    add(Lbl(Name::Regest).in(Name::About).raw("Version 5.0").at(720, 600, 2055, 615).fg(kBlack).font(12).centre());
    add(Lbl(Name::VerLab).in(Name::About).raw("(5/7/96)").at(60, 2280, 2895, 255).fg(kBlack).font(9, "Verdana").centre());
    add(Box(Name::Picture3).in(Name::About).at(300, 420, 480, 480).bg(kWhite).pic(Picture::Icon));
    add(Make(Kind::Line, Name::Line1, -1).in(Name::About).at(240, 1200, 2535, 0).fg(kDarkGrey));
    add(Make(Kind::Line, Name::Line2, -1).in(Name::About).at(240, 2160, 2535, 0).fg(kDarkGrey));
    // TRANSLATORS: the About box's first line under the version (169 x 17 px, 8 pt).
    const char* notice[3] = {
        N_("A number puzzle game"),
        // TRANSLATORS: the About box's second line (157 x 17 px, 8 pt).
        N_("for players aged 6 to 12"),
        "Brindlecove Software",
    };
    const int notice_left[3] = {240, 330, 420};
    for (int i = 0; i < 3; ++i)
        add(Lbl(Name::Label9, i).in(Name::About).text(notice[i]).at(notice_left[i], 1320 + 240 * i, 2535 - 180 * i, 255).fg(kBlack).font(8.25f).centre());

    // The setup panel.
    // TRANSLATORS: the setup panel's headings in white (8 pt, one line): Target Answer 97 px
    // wide, Operators needed to solve 189 px, Play Sounds 133 px, Give Spiro Reward 137 px.
    add(Lbl(Name::Label2, 1).in(Name::SelFloat).text("Target Answer").at(900, 60, 1455, 255).fg(kWhite).font(8.25f).centre());
    const char* targets[10] = {"0", "6", "12", "15", "18", "24", "30", "36", "42", "48"};
    const int target_left[10] = {420, 900, 1380, 3000, 1860, 2340, 660, 1140, 1620, 2100};
    const int target_top[10] = {300, 300, 300, 120, 300, 300, 660, 660, 660, 660};
    for (int i = 0; i < 10; ++i) {
        Row t = Lbl(Name::Target, i).in(Name::SelFloat).raw(targets[i]).at(target_left[i], target_top[i], 495, 375)
                    .fg(i == 0 ? kSystemText : kSilver).bg(kYellow).box().font(12).centre();
        if (i == 3) t.hidden();
        add(t);
    }
    // TRANSLATORS: a setup heading (189 x 17 px, 8 pt, one line): which operators the puzzles need.
    add(Lbl(Name::Label2, 3).in(Name::SelFloat).text("Operators needed to solve").at(180, 1140, 2835, 255).fg(kWhite).font(8.25f).centre());
    // TRANSLATORS: the setup panel's third operator box, every operator (63 x 18 px, 12 pt).
    const char* groups[3] = {"+ -", "+ - x", N_("Hard")};
    for (int i = 0; i < 3; ++i)
        add(Lbl(Name::Diff, i).in(Name::SelFloat).text(groups[i]).at(120 + 1020 * i, 1380, 975, 300)
                .fg(i == 0 ? kSystemText : kSilver).bg(kYellow).box().font(12).centre());
    add(Lbl(Name::Probs).in(Name::SelFloat).raw("237 problems").at(780, 1680, 1695, 255).fg(kYellow).font(8.25f).centre());
    // TRANSLATORS: a setup heading (133 x 17 px, 8 pt, one line).
    add(Lbl(Name::Label2, 0).in(Name::SelFloat).text("Play Sounds").at(600, 1980, 1995, 255).fg(kWhite).font(8.25f).centre());
    // TRANSLATORS: the sound levels and the reward's choice on the setup panel, in yellow boxes
    // (12 pt): No, Some, Yes 55 x 18 px; the reward's Yes and No 47 x 18 px.
    const char* levels[3] = {
        N_("No"),
        // TRANSLATORS: a sound level between No and Yes: only the verdicts are heard (55 x 18 px, 12 pt).
        N_("Some"),
        // TRANSLATORS: a sound level, and the reward's choice (47 x 18 px, 12 pt).
        N_("Yes"),
    };
    for (int i = 0; i < 3; ++i)
        add(Lbl(Name::Snd, i).in(Name::SelFloat).text(levels[i]).at(240 + 960 * i, 2220, 855, 300)
                .fg(i == 0 ? kSystemScrollBar : kSilver).bg(kYellow).box().font(12).centre());
    // TRANSLATORS: a setup heading (137 x 17 px, 8 pt, one line): draw a figure after a solved puzzle.
    add(Lbl(Name::Label2, 2).in(Name::SelFloat).text("Give Spiro Reward").at(540, 2580, 2055, 255).fg(kWhite).font(8.25f).centre());
    add(Lbl(Name::Rew, 0).in(Name::SelFloat).text("Yes").at(780, 2820, 735, 300).fg(kSystemText).bg(kYellow).box().font(12).centre());
    add(Lbl(Name::Rew, 1).in(Name::SelFloat).text("No").at(1620, 2820, 735, 300).fg(kSilver).bg(kYellow).box().font(12).centre());
    // TRANSLATORS: the setup panel's corner word for help (57 x 25 px, 9 pt, one line), centred
    // with its first 8 px under the panel's edge: 41 px of it show.
    add(Lbl(Name::But, 17).in(Name::SelFloat).text(" Help").at(-120, 2925, 855, 375).fg(kSilver).font(9).centre());
    // TRANSLATORS: the setup panel's corner word back to the board (57 x 25 px, 9 pt); keep the blank.
    add(Lbl(Name::But, 2).in(Name::SelFloat).text(" Play").at(2400, 2925, 855, 375).fg(kSilver).font(9).centre());
    // TRANSLATORS: the setup panel's top-right word that opens the second options panel (41 x 17
    // px, 9 pt, one line).
    add(Lbl(Name::But, 22).in(Name::SelFloat).text("More").at(2580, 45, 615, 255).fg(kSilver).font(9).centre());

    // The second options panel, which "More" opens over the setup panel: the level and the
    // language.
    // TRANSLATORS: the options panel's heading over the level choices (97 x 17 px, 8 pt, one line).
    add(Lbl(Name::LevelHead).in(Name::MoreFloat).text("Level").at(900, 60, 1455, 255).fg(kWhite).font(8.25f).centre());
    // TRANSLATORS: the level choice that deals every puzzle of the target (80 x 25 px, 12 pt).
    add(Lbl(Name::Level, 0).in(Name::MoreFloat).text("All").at(120, 300, 1200, 375).fg(kSystemText).bg(kYellow).box().font(12).centre());
    const char* level_digits[5] = {"1", "2", "3", "4", "5"};
    for (int i = 1; i <= 5; ++i)
        add(Lbl(Name::Level, i).in(Name::MoreFloat).raw(level_digits[i - 1]).at(975 + 360 * i, 300, 375, 375)
                .fg(kSilver).bg(kYellow).box().font(12).centre());
    // TRANSLATORS: the level choice that follows the child's results (153 x 25 px, 12 pt).
    add(Lbl(Name::Level, 6).in(Name::MoreFloat).text("Grows with me").at(480, 720, 2295, 375).fg(kSilver).bg(kYellow).box().font(12).centre());
    // TRANSLATORS: the options panel's heading over the languages (97 x 17 px, 8 pt, one line).
    add(Lbl(Name::LangHead).in(Name::MoreFloat).text("Language").at(900, 1140, 1455, 255).fg(kWhite).font(8.25f).centre());
    for (int i = 0; i < 10; ++i)  // each language named in itself, never translated
        add(Lbl(Name::Lang, i).in(Name::MoreFloat).raw(kLanguages[i].name).at(120 + 1560 * (i % 2), 1380 + 300 * (i / 2), 1455, 300)
                .fg(i == 0 ? kSystemText : kSilver).bg(kYellow).box().font(10).centre());
    // TRANSLATORS: the options panel's bottom-left word back to the setup panel (57 x 25 px,
    // 9 pt, one line), centred with its first 8 px under the panel's edge: 41 px of it show.
    add(Lbl(Name::But, 23).in(Name::MoreFloat).text(" Back").at(-120, 2925, 855, 375).fg(kSilver).font(9).centre());
    add(Lbl(Name::But, 24).in(Name::MoreFloat).text(" Play").at(2400, 2925, 855, 375).fg(kSilver).font(9).centre());

    // The statistics panel; "Wrong:" is element 3 but stands on the last row.
    // TRANSLATORS: the statistics panel's rows, right-aligned before a number (49 x 17 px, 8 pt):
    // puzzles solved without a hint, with one, two or three hints, and wrong answers.
    const char* row_caption[5] = {
        N_("Correct:"),
        // TRANSLATORS: a statistics row: solved with one hint (49 x 17 px, 8 pt).
        N_("1 Hint:"),
        // TRANSLATORS: a statistics row: solved with two hints (49 x 17 px, 8 pt).
        N_("2 Hints:"),
        // TRANSLATORS: a statistics row: wrong answers (49 x 17 px, 8 pt).
        N_("Wrong:"),
        // TRANSLATORS: a statistics row: solved with three hints (49 x 17 px, 8 pt).
        N_("3 Hints:"),
    };
    const int row_top[5] = {1080, 1320, 1560, 2040, 1800};
    for (int i = 0; i < 5; ++i)
        add(Lbl(Name::Label4, i).in(Name::Hist).text(row_caption[i]).at(1080, row_top[i], 735, 255).fg(kLightGrey).font(8.25f).right());
    for (int i = 0; i < 5; ++i)
        add(Lbl(Name::Score, i).in(Name::Hist).raw("23").at(1920, 1080 + 240 * i, 495, 255).fg(kWhite).font(8.25f));
    // TRANSLATORS: the statistics panel's corner word back to the board (41 x 25 px, 9 pt); keep the blank.
    add(Lbl(Name::But, 20).in(Name::Hist).text("Play ").at(2520, 2880, 615, 375).fg(kSilver).font(9).right());
    add(Box(Name::Picture7).in(Name::Hist).at(1185, 1185, 30, 30).bg(kDarkRed));
    add(Lbl(Name::Label18).in(Name::Hist).at(0, 1200, 375, 855));

    // The maker panel and its keypad.
    // TRANSLATORS: the maker panel's title (169 x 17 px, 8 pt).
    add(Lbl(Name::Label7).in(Name::Spirom).text("Make Spirolaterals").at(360, 0, 2535, 255).fg(kBlack).font(8.25f).centre());
    // TRANSLATORS: the maker's prompt (201 x 35 px, 12 pt, one line).
    add(Lbl(Name::Label12).in(Name::Spirom).text("Click a word or number").at(120, 360, 3015, 525).fg(kWhite).font(12).centre());
    // TRANSLATORS: the maker's settings beside their number boxes (57 x 25 px, 12 pt, one line):
    // the figure's order, its angle and its left turns ("Left T", cut short for room).
    const char* settings[3] = {
        N_("Order"),
        // TRANSLATORS: a maker setting: the angle of each turn (57 x 25 px, 12 pt, one line).
        N_("Angle"),
        // TRANSLATORS: a maker setting: how many turns go left, cut short (57 x 25 px, 12 pt).
        N_("Left T"),
    };
    const char* values[3] = {"4", "45", "1"};
    for (int i = 0; i < 3; ++i) {
        add(Lbl(Name::But, 11 + i).in(Name::Spirom).text(settings[i]).at(120, 960 + 480 * i, 855, 375).fg(kSilver).font(12));
        add(Lbl(Name::LMOrder, i).in(Name::Spirom).raw(values[i]).at(960, 960 + 480 * i, 615, 375).fg(kSystemText).bg(kYellow).box().font(12).centre());
    }
    // TRANSLATORS: the maker's Line word (57 x 25 px, 12 pt), its corner words Help and Play
    // (57 x 25 px, 9 pt), Save (35 x 25 px, 9 pt) and the Back Color button (65 x 13 px, 8 pt).
    add(Lbl(Name::But, 14).in(Name::Spirom).text("  Line").at(120, 2400, 855, 375).fg(kSilver).font(12));
    // Stored back to front, so the widest visible bar lies in front.
    add(Lbl(Name::Cap, 2).in(Name::Spirom).at(960, 2550, 1935, 30).bg(kDarkGrey));
    add(Lbl(Name::Cap, 1).in(Name::Spirom).at(960, 2535, 1935, 75).bg(kSilver));
    add(Lbl(Name::Cap, 0).in(Name::Spirom).at(960, 2520, 1935, 105).bg(kWhite));
    add(Lbl(Name::Label13).in(Name::Spirom).at(2880, 960, 375, 1215));
    // TRANSLATORS: the maker's corner word for help (57 x 25 px, 9 pt), left-aligned with its
    // first 8 px under the panel's edge: begin with blanks enough to clear them (three do).
    add(Lbl(Name::But, 15).in(Name::Spirom).text("maker", "  Help").at(-120, 2880, 855, 375).fg(kSilver).font(9));
    // TRANSLATORS: the maker's corner word back to the board (57 x 25 px, 9 pt); keep the blank.
    add(Lbl(Name::But, 9).in(Name::Spirom).text(" Play").at(2400, 2880, 855, 375).fg(kSilver).font(9));
    // TRANSLATORS: the maker's word that saves the figure as pictures (35 x 25 px, 9 pt).
    add(Lbl(Name::But, 21).in(Name::Spirom).text("Save").at(570, 2880, 525, 375).fg(kSilver).font(9));
    // TRANSLATORS: the maker's button that changes the background colour (65 x 13 px, 8 pt).
    add(Btn(Name::BackColorSet).in(Name::Spirom).text("Back Color").at(1200, 2820, 975, 195).font(8.25f).regular());
    // TRANSLATORS: the maker's keypad buttons: OK 25 px and Cancel 45 px wide (8 pt).
    struct Key { const char* caption; int left, top, width; const char* tip; };
    const Key keys[15] = {
        {"0", 1800, 1800, 315, ""}, {"1", 1800, 1080, 195, ""}, {"2", 2040, 1080, 195, ""},
        {"3", 2280, 1080, 195, ""}, {"4", 1800, 1320, 195, ""}, {"5", 2040, 1320, 195, ""},
        {"6", 2280, 1320, 195, ""}, {"7", 1800, 1560, 195, ""}, {"8", 2040, 1560, 195, ""},
        {"9", 2280, 1560, 195, ""}, {".", 2160, 1800, 195, ""}, {N_("OK"), 2400, 1800, 375, ""},
        
        // TRANSLATORS: the maker's keypad button that closes it (45 x 13 px, 8 pt).
        {N_("Cancel"), 1920, 2040, 675, ""}, {"C", 2580, 1200, 195, "Clear"}, {"B", 2580, 1440, 195, "Backspace"},
    };
    for (int i = 0; i < 15; ++i) {
        Row key = Btn(Name::CalBut, i).in(Name::Spirom).text(keys[i].caption).at(keys[i].left, keys[i].top, keys[i].width, 195)
                      .font(8.25f).tip(keys[i].tip);
        if (i != 10) key.regular();
        add(key);
    }

    // The maker notice.
    // TRANSLATORS: the notice on the maker's figure (153 x 129 px, 18 pt), then its button (45 px).
    add(Lbl(Name::But, 10).in(Name::RestoreHint).text("Click on the spirolateral to show the menu").at(480, 480, 2295, 1935).fg(kYellow).font(18).centre());
    // TRANSLATORS: the button under the maker's notice (45 x 21 px, 9.75 pt).
    add(Btn(Name::OKBut).in(Name::RestoreHint).text("OK").at(1320, 2340, 675, 315).font(9.75f));
    add(Lbl(Name::Label19).in(Name::RestoreHint).at(60, 2880, 375, 855));

    // The instruction strip and the title panel.
    add(Lbl(Name::Hell).in(Name::Hellf).raw("Label11").at(240, 0, 9020, 2120).fg(kYellow).font(9.75f).centre());
    add(Make(Kind::MediaPlayer, Name::MMControl1, -1).in(Name::First).hidden());
    add(Lbl(Name::Label11).in(Name::First).at(1920, 2120, 255, 135));
    add(Lbl(Name::HelpNoteText).in(Name::HelpNote).at(120, 60, 9360, 780).fg(kBlack).font(9).regular());
    // The help panel's title, its lines (as many as fit are shown; help_panel.cpp places them)
    // and its words Back, More and Close.
    add(Lbl(Name::HelpTitle).in(Name::HelpPanel).at(180, 120, 9240, 480).fg(kYellow).font(16).centre());
    for (int i = 0; i < kHelpRows; ++i)
        add(Lbl(Name::HelpLine, i).in(Name::HelpPanel).at(360, 720 + 300 * i, 8880, 300).fg(kWhite).font(12).regular());
    const char* help_words[3] = {"Back", "More", "Close"};
    for (int i = 0; i < 3; ++i)
        add(Lbl(Name::HelpWord, i).in(Name::HelpPanel).text(help_words[i]).at(360 + 3000 * i, 7560, 2880, 420).fg(kSilver).font(14)
                .centre());
    // clang-format on
    return rows;
}

}  // namespace

ElementTable CalcElementTable() {
    ElementTable table;
    for (Row& row : StoredWindow()) {
        ElementTable::Row out{row.e, std::nullopt, row.parent_index};
        if (row.parent_name != Name::Count) out.parent_name = row.parent_name;
        table.rows.push_back(std::move(out));
    }
    table.names = {
        "Floater",      "Helper",    "SelFloat",  "Hist",       "Spirom",       "RestoreHint",
        "First",        "Hellf",     "Paper",     "Dig",        "Digit",        "Op",
        "Label1",       "Label3",    "Cent",      "HintL",      "ScoreB",       "But",
        "spot",         "Label5",    "Label10",   "Picture2",   "Label8",       "About",
        "Label6",       "Regest",    "VerLab",    "Picture3",   "Line1",        "Line2",
        "Label9",       "Label2",    "Target",    "Diff",       "Probs",        "Snd",
        "Rew",          "Label4",    "Score",     "Picture7",   "Label18",      "Label7",
        "Label12",      "LMOrder",   "Cap",       "Label13",    "BackColorSet", "CalBut",
        "OKBut",        "Label19",   "Hell",      "MMControl1", "Label11",      "HelpNote",
        "HelpNoteText", "MoreFloat", "LevelHead", "Level",      "LangHead",     "Lang",
        "HelpPanel",    "HelpTitle", "HelpLine",  "HelpWord",
    };
    assert(table.names.size() == static_cast<size_t>(Name::Count));
    table.window_back = kPurple;
    table.window_fore = kSilver;
    return table;
}

}  // namespace quorrel
