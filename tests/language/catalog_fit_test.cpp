// The compiled catalogs: every language's captions against their boxes at scale 1 with the real
// fonts, wrapped as the window wraps them; every character in the face that draws it; and a
// language chosen while playing.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "board/scoring.h"
#include "driver.h"
#include "menus/menus.h"
#include "platform/sdl/media/fonts.h"
#include "platform/sdl/media/sdl_text.h"
#include "shell/language.h"
#include "state/convert.h"
#include "window/render/bidi_runs.h"
#include "window/render/text_layout.h"

namespace quorrel {
namespace {

MessageCatalog CatalogOf(const std::string& code) {
    MessageCatalog c;
    std::string error;
    EXPECT_TRUE(code == kEnglish || c.Load(CatalogPath(QUORREL_BUILD_DIR, code, false), error));
    return c;
}

// Every character in Arial's or Verdana's stand-in, bold and regular: a line Liberation lacks a
// letter of is drawn wholly in DejaVu.
struct Faces {
    std::map<std::string, TTF_Font*> open;
    ~Faces() {
        for (auto& [name, face] : open)
            if (face) TTF_CloseFont(face);
    }
};

bool InOneFace(Faces& faces, const std::string& s, bool bold) {
    for (const char* family : {"Arial", "DejaVu Sans"}) {
        TTF_Font*& face = faces.open[family + std::to_string(bold)];
        if (!face) face = TTF_OpenFont(FindFontFile(family, bold).c_str(), 12);
        bool all = face != nullptr;
        for (size_t at = 0; all && at < s.size();)
            if (char32_t cp = NextCodePoint(s, at); cp >= 0x20)
                all = TTF_GlyphIsProvided32(face, cp);
        if (all) return true;
    }
    return false;
}

TEST(Catalogs, EveryCaptionFitsItsBoxAndEveryLetterItsFontInEveryLanguage) {
    Elements el{CalcElementTable()};
    SdlTextRasteriser text;  // opens the font library before the faces, and closes it after
    Faces faces;
    for (const LanguageName& language : kLanguages) {
        MessageCatalog c = CatalogOf(language.code);
        EXPECT_TRUE(InOneFace(faces, language.name, true)) << language.name;
        for (const auto& [id, translation] : c.Entries())
            EXPECT_TRUE(InOneFace(faces, translation, true) && InOneFace(faces, translation, false))
                << translation;
        std::vector<std::pair<const Element*, std::string>> shown;
        el.catalog = &c;
        for (const Element& e : el.All())
            if (!e.caption.empty()) shown.emplace_back(&e, el.ShownCaption(e));
        // The texts the code sets, the longest of each kind.
        for (const char* word : {"Reset", "Hint"})
            shown.emplace_back(&el(Name::But, 3), c.Find(word));
        for (const char* word : {"Play", "OK"}) shown.emplace_back(&el(Name::But, 5), c.Find(word));
        shown.emplace_back(&el(Name::Label12), c.Find("Set a value then click OK"));
        shown.emplace_back(&el(Name::Cent), c.Find("No"));
        shown.emplace_back(&el(Name::Probs), FormatText(c.Find("%s Problems"), {" 500"}));
        shown.emplace_back(&el(Name::ScoreB), ScoreLineText(12.5f, 236, c.Find("%smin -%spts")));
        shown.emplace_back(&el(Name::HintL), "12÷4" + std::string(c.Find(" then ")) + "23/23");
        for (const auto& [e, caption] : shown) {
            auto width = [&](const std::string& s) { return text.Width(e->font, s); };
            std::string where = std::string(language.code) + " " + el.FullName(*e) + " " + caption;
            if (e->kind == Kind::CommandButton) {
                EXPECT_LE(width(caption), e->width - 4) << where;
                continue;
            }
            int inset = e->border ? 1 : 0, w = e->width - 2 * inset, h = e->height - 2 * inset;
            // A box lower than one line still shows one; no word may be cut inside, nor any ink
            // stand under the panel's edges (a glyph's side bearing is a pixel).
            int rows = std::max(1, h / text.LineHeight(e->font));
            std::vector<std::string> lines = WrapText(caption, w, width);
            EXPECT_LE(static_cast<int>(lines.size()), rows) << where;
            const int parent = e->parent < 0 ? 1 << 20 : el.At(e->parent).width;
            const int hidden_left = std::max(0, -e->left) - 1;
            const int shown_right = std::min(w, parent - e->left) + 1;
            // The program's own texts stand as they are; their translations must show whole.
            for (const std::string& line :
                 caption == e->caption ? std::vector<std::string>{} : lines) {
                size_t first = line.find_first_not_of(' '), last = line.find_last_not_of(' ') + 1;
                if (first == std::string::npos) continue;
                // Right to left, the blanks at the end stand on the left.
                std::string left = HasRightToLeft(line) ? line.substr(last) : line.substr(0, first);
                int start = e->align == Align::Left    ? 0
                            : e->align == Align::Right ? w - width(line)
                                                       : (w - width(line)) / 2;
                start += width(left);
                EXPECT_GE(start, hidden_left) << where;
                EXPECT_LE(start + width(line.substr(first, last - first)), shown_right) << where;
            }
            for (size_t at = 0, end; at < caption.size(); at = end + 1) {
                end = std::min(caption.find_first_of(" \r\n", at), caption.size());
                EXPECT_LE(width(caption.substr(at, end - at)), w) << where;
            }
        }
    }
}

// Chosen while a hint and the score line stand: every text follows at once, an unknown code
// changes nothing, and the next start finds the choice.
TEST(Catalogs, AChosenLanguageSwitchesEveryTextAndIsRemembered) {
    DriverOptions options;
    options.app_folder = QUORREL_BUILD_DIR, options.seed = 3, options.language = "es";
    options.data_folder = testing::TempDir() + "quorrel-language";
    std::filesystem::create_directories(options.data_folder);
    auto driver = std::make_unique<Driver>(options);
    std::vector<std::string> out;
    for (const char* command :
         {"start", "wait 3000", "dblclick Cent", "click But(3)", "click But(3)", "click But(3)"})
        ASSERT_EQ(driver->Execute(command, out), "") << command;
    Calc& calc = *driver->calc();
    for (const char* code : {"xx", "ru"}) calc.loop.Run(ChooseLanguage(calc, code));
    EXPECT_EQ(calc.el.ShownCaption(calc.el(Name::But, 1)), "  Меню ");
    EXPECT_NE(calc.el(Name::HintL).caption.find(" потом "), std::string::npos);
    EXPECT_EQ(calc.el(Name::Probs).caption.rfind("Задач: ", 0), 0u);
    options.language.clear();
    Driver again(options);
    ASSERT_EQ(again.Execute("start", out), "");
    EXPECT_EQ(again.calc()->Language(), "ru");
    std::filesystem::remove_all(options.data_folder);
}

}  // namespace
}  // namespace quorrel
