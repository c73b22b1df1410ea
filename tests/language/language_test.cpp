// The catalog reader on good and damaged files, the language the environment asks for, the
// remembered choice, the text patterns and the right-to-left runs.
#include <gtest/gtest.h>

#include <map>

#include "files/message_catalog.h"
#include "shell/language.h"
#include "state/convert.h"
#include "window/render/bidi_runs.h"

namespace quorrel {
namespace {

// A .mo file as msgfmt lays it out: header, the two tables, then the strings.
std::string MoFile(const std::vector<std::pair<std::string, std::string>>& entries, bool big) {
    auto word = [big](std::string& out, uint32_t v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (big ? 24 - 8 * i : 8 * i));
    };
    const uint32_t n = static_cast<uint32_t>(entries.size()), ids = 28, texts = 28 + 8 * n;
    std::string head, tables, strings;
    for (uint32_t v : {0x950412deu, 0u, n, ids, texts, 0u, 0u}) word(head, v);
    uint32_t at = texts + 8 * n;
    std::string id_table, text_table;
    for (int column = 0; column < 2; ++column)
        for (const auto& entry : entries) {
            const std::string& s = column == 0 ? entry.first : entry.second;
            word(column == 0 ? id_table : text_table, static_cast<uint32_t>(s.size()));
            word(column == 0 ? id_table : text_table, at);
            strings += s + '\0';
            at += static_cast<uint32_t>(s.size()) + 1;
        }
    return head + id_table + text_table + strings;
}

TEST(Language, CatalogsAreReadWithinTheirBoundsOrNotAtAll) {
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"", "Content-Type: text/plain; charset=UTF-8\n"},
        {"Hint", "Pista"},
        {"No", ""},  // untranslated: shown in English
        {std::string("%s file\0%s files", 15), std::string("%s archivo\0%s archivos", 21)},
    };
    for (bool big : {false, true}) {
        MessageCatalog catalog;
        std::string error;
        ASSERT_TRUE(catalog.Parse(MoFile(entries, big), error)) << error;
        EXPECT_EQ(catalog.Find("Hint"), "Pista");
        EXPECT_EQ(catalog.Find("No"), "No");
        EXPECT_EQ(catalog.Find("%s file"), "%s archivo");
        EXPECT_EQ(catalog.Find("Menu"), "Menu");
        EXPECT_EQ(catalog.Size(), 2u);
    }
    std::string good = MoFile(entries, false);
    std::string unterminated = good.substr(0, good.size() - 1);
    std::string huge_count = good, past_end = good;
    huge_count[8] = '\xff';
    past_end[32] = '\x7f';  // the first msgid's offset
    for (const std::string& bad : {std::string("\xde\x12\x04"), std::string(28, '\0'),
                                   unterminated, huge_count, past_end}) {
        MessageCatalog catalog;
        std::string error;
        EXPECT_FALSE(catalog.Parse(bad, error)) << bad.size();
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(catalog.Find("Hint"), "Hint");
    }
    MessageCatalog missing;
    std::string error;
    EXPECT_FALSE(missing.Load("/nonexistent/quorrel.mo", error));
    EXPECT_NE(error.find("/nonexistent/quorrel.mo"), std::string::npos);
}

TEST(Language, PatternsTakeTheirArgumentsInTurn) {
    EXPECT_EQ(FormatText("%smin -%spts", {"1.5", " 36"}), "1.5min - 36pts");
    EXPECT_EQ(FormatText("100%% %s", {"a", "b"}), "100% a");
    EXPECT_EQ(FormatText("%s and %s", {"a"}), "a and ");  // a faulty translation reads nothing
}

TEST(Language, TheEnvironmentChoosesLikeDesktopPrograms) {
    static std::map<std::string, std::string> env;
    struct Case {
        std::map<std::string, std::string> env;
        const char* want;
    } cases[] = {
        {{}, "en"},
        {{{"LANG", "fr_FR.UTF-8"}}, "fr"},
        {{{"LANG", "de_AT@euro"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}, "ru"},
        {{{"LC_ALL", "es_MX.UTF-8"}, {"LC_MESSAGES", "ru_RU"}}, "es"},
        {{{"LANGUAGE", "sv:nl:fr"}, {"LANG", "fr_FR"}}, "nl"},
        {{{"LANGUAGE", "sv"}, {"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
        {{{"LANGUAGE", "ar"}, {"LC_ALL", "C"}}, "en"},
        {{{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", ""}}, "en"},
        {{{"LANG", "C.UTF-8"}}, "en"},
    };
    for (const Case& c : cases) {
        env = c.env;
        EXPECT_EQ(EnvironmentLanguage([](const char* name) -> const char* {
                      auto it = env.find(name);
                      return it == env.end() ? nullptr : it->second.c_str();
                  }),
                  c.want);
    }
    EXPECT_EQ(ParseLanguageFile("pt_BR\n"), "pt_BR");
    EXPECT_EQ(ParseLanguageFile(FormatLanguageFile("ar")), "ar");
    EXPECT_EQ(ParseLanguageFile("pt\n"), "");
    EXPECT_EQ(ParseLanguageFile("xx"), "");
}

TEST(Language, RightToLeftLinesKeepTheirNumbersLeftToRight) {
    struct Case {
        const char* line;
        std::vector<std::pair<std::string, bool>> runs;  // left to right on screen
    } cases[] = {
        {"Hint 1+6", {{"Hint 1+6", false}}},
        {"ثم", {{"ثم", true}}},
        {"1+6 ثم 23/23", {{"23/23", false}, {" ثم ", true}, {"1+6", false}}},
        {"المسائل: 459", {{"459", false}, {"المسائل: ", true}}},
        {"3 تلميحات:", {{" تلميحات:", true}, {"3", false}}},
        {"  شرح", {{"  شرح", true}}},
    };
    for (const Case& c : cases) {
        std::vector<TextRun> runs = VisualRuns(c.line);
        ASSERT_EQ(runs.size(), c.runs.size()) << c.line;
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].utf8, c.runs[i].first) << c.line;
            EXPECT_EQ(runs[i].right_to_left, c.runs[i].second) << c.line;
        }
    }
}

}  // namespace
}  // namespace quorrel
