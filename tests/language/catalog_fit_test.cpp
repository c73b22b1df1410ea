// Every language's captions against their boxes at scale 1 with the real fonts, wrapped as the
// window wraps them; and every character of every catalog present in the face that draws it.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "board/scoring.h"
#include "driver.h"
#include "menus/menus.h"
#include "files/message_catalog.h"
#include "platform/sdl/media/fonts.h"
#include "platform/sdl/media/sdl_text.h"
#include "screens/calc_elements.h"
#include "shell/language.h"
#include "state/convert.h"
#include "window/elements.h"
#include "window/render/bidi_runs.h"
#include "window/render/text_layout.h"

namespace quorrel {
namespace {

MessageCatalog CatalogOf(const char* code) {
    MessageCatalog catalog;
    std::string error;
    if (std::string(code) != kEnglish) {
        EXPECT_TRUE(catalog.Load(CatalogPath(QUORREL_BUILD_DIR, code, false), error)) << error;
    }
    return catalog;
}

// The texts the code puts into elements beside the stored ones: the longest of each kind.
std::vector<std::pair<Name, std::string>> SetTexts(const MessageCatalog& c) {
    auto tr = [&c](const char* english) { return std::string(c.Find(english)); };
    return {
        {Name::But, tr("Reset")},
        {Name::But, tr("Hint")},
        {Name::Label12, tr("Set a value then click OK")},
        {Name::Cent, tr("No")},
        {Name::Regest, tr("Version 4.0")},
        {Name::Hell, tr(N_("You must combine the numbers in the yellow boxes using the operators "
                           "in the green circles to give the result at the center of the puzzle."
                           " Click a number, an operater and another number. Repeat these steps "
                           "until you have solved the puzzle.\r\rClick Hint if you need a hint,\r "
                           "     Menu for options or\rHelp for more detailed instructions."))},
        {Name::Probs, FormatText(c.Find("%s Problems"), {" 500"})},
        {Name::ScoreB, ScoreLineText(12.5f, 236, c.Find("%smin -%spts"))},
        {Name::HintL, "12÷4" + tr(" then ") + "23/23"},
    };
}

struct Box {
    const Element* e;
    int index;
};

TEST(Catalogs, EveryCaptionFitsItsBoxInEveryLanguage) {
    Elements el{CalcElementTable()};
    SdlTextRasteriser text;
    const int kHintWord = 3, kPlayFromMenu = 5;
    for (const LanguageName& language : kLanguages) {
        MessageCatalog catalog = CatalogOf(language.code);
        std::vector<std::pair<const Element*, std::string>> shown;
        for (const Element& e : el.All())
            if (!e.caption.empty()) shown.emplace_back(&e, std::string(catalog.Find(e.caption)));
        for (auto& [name, caption] : SetTexts(catalog))
            shown.emplace_back(&el(name, name == Name::But ? kHintWord : -1), caption);
        shown.emplace_back(&el(Name::But, kPlayFromMenu), catalog.Find("Play"));
        shown.emplace_back(&el(Name::But, kPlayFromMenu), catalog.Find("OK"));
        for (const auto& [e, caption] : shown) {
            auto width = [&](const std::string& s) { return text.Width(e->font, s); };
            std::string where =
                std::string(language.code) + " " + el.FullName(*e) + " \"" + caption + "\"";
            if (e->kind == Kind::CommandButton) {
                EXPECT_LE(width(caption), e->width - 4) << where;
                continue;
            }
            int inset = e->border ? 1 : 0, w = e->width - 2 * inset, h = e->height - 2 * inset;
            std::vector<std::string> lines = WrapText(caption, w, width);
            // A box lower than one line still shows one; no word may be cut inside.
            int rows = std::max(1, h / text.LineHeight(e->font));
            EXPECT_LE(static_cast<int>(lines.size()), rows) << where << " " << width(caption);
            for (size_t at = 0, end; at < caption.size(); at = end + 1) {
                end = std::min(caption.find_first_of(" \r\n", at), caption.size());
                EXPECT_LE(width(caption.substr(at, end - at)), w) << where;
            }
        }
    }
}

// The faces the window draws in: Arial's and Verdana's stand-ins, bold and regular.
TEST(Catalogs, EveryCharacterIsInTheFaceThatDrawsIt) {
    ASSERT_EQ(TTF_Init(), 0);
    std::vector<TTF_Font*> faces;
    for (const char* family : {"Arial", "DejaVu Sans"})
        for (bool bold : {true, false})
            faces.push_back(TTF_OpenFont(FindFontFile(family, bold).c_str(), 12));
    for (TTF_Font* face : faces) ASSERT_NE(face, nullptr);
    auto provides = [](TTF_Font* face, const std::string& s) {
        for (size_t at = 0; at < s.size();) {
            char32_t cp = NextCodePoint(s, at);
            if (cp >= 0x20 && !TTF_GlyphIsProvided32(face, static_cast<Uint32>(cp))) return false;
        }
        return true;
    };
    for (const LanguageName& language : kLanguages) {
        MessageCatalog catalog = CatalogOf(language.code);
        EXPECT_TRUE(std::string(language.code) == kEnglish || catalog.Size() > 60) << language.code;
        std::vector<std::string> texts{language.name};
        for (const auto& [id, translation] : catalog.Entries()) texts.push_back(translation);
        for (const std::string& s : texts)
            for (int weight = 0; weight < 2; ++weight)
                EXPECT_TRUE(provides(faces[weight], s) || provides(faces[2 + weight], s))
                    << language.code << " \"" << s << "\"";
    }
    for (TTF_Font* face : faces) TTF_CloseFont(face);
    TTF_Quit();
}

// A language chosen while a hint and the score line stand: every text follows at once, the
// choice outlives the window, and a code the game lacks changes nothing.
TEST(Catalogs, AChosenLanguageSwitchesEveryTextAndIsRemembered) {
    DriverOptions options;
    options.app_folder = QUORREL_BUILD_DIR;
    options.seed = 3;
    options.language = "es";
    auto driver = std::make_unique<Driver>(options);
    std::vector<std::string> out;
    for (const char* command : {"start", "wait 3000", "dblclick Cent", "click But(3)",
                                "click But(3)", "click But(3)"})
        ASSERT_EQ(driver->Execute(command, out), "") << command;
    Calc& calc = *driver->calc();
    ASSERT_NE(calc.el(Name::HintL).caption.find(" y luego "), std::string::npos);
    for (const char* code : {"xx", "ru"}) calc.loop.Run(ChooseLanguage(calc, code));
    EXPECT_EQ(calc.Language(), "ru");
    EXPECT_EQ(calc.el.ShownCaption(calc.el(Name::But, 1)), "  Меню ");
    EXPECT_NE(calc.el(Name::HintL).caption.find(" потом "), std::string::npos);
    EXPECT_EQ(calc.el(Name::Probs).caption.rfind("Задач: ", 0), 0u);
    EXPECT_NE(calc.el(Name::ScoreB).caption.find("мин -"), std::string::npos);
    // The next start without --lang finds the choice, whatever the environment says.
    options.data_folder = driver->data_folder() + "-kept";
    std::filesystem::copy(driver->data_folder(), options.data_folder,
                          std::filesystem::copy_options::recursive);
    options.language.clear();
    Driver again(options);
    ASSERT_EQ(again.Execute("start", out), "");
    EXPECT_EQ(again.calc()->Language(), "ru");
    std::filesystem::remove_all(options.data_folder);
}

}  // namespace
}  // namespace quorrel
