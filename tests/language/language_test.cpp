// The language the environment asks for, the remembered choice and right-to-left runs.
#include "shell/language.h"

#include <gtest/gtest.h>

#include <map>

#include "window/render/bidi_runs.h"

namespace quorrel {
namespace {

TEST(Language, TheEnvironmentChoosesLikeDesktopPrograms) {
    static std::map<std::string, std::string> env;
    const std::pair<std::map<std::string, std::string>, const char*> cases[] = {
        {{}, "en"},
        {{{"LC_ALL", "es_MX.UTF-8"}, {"LC_MESSAGES", "ru_RU"}}, "es"},
        {{{"LANGUAGE", "sv:nl:fr"}, {"LANG", "fr_FR"}}, "nl"},
        {{{"LANGUAGE", "sv"}, {"LC_MESSAGES", ""}, {"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
        {{{"LANGUAGE", "ar"}, {"LC_ALL", "C"}}, "en"},
    };
    for (const auto& [variables, want] : cases) {
        env = variables;
        EXPECT_EQ(EnvironmentLanguage([](const char* name) -> const char* {
                      auto it = env.find(name);
                      return it == env.end() ? nullptr : it->second.c_str();
                  }),
                  want);
    }
    EXPECT_EQ(ParseLanguageFile(FormatLanguageFile("pt_BR")) + ParseLanguageFile("pt\n"), "pt_BR");
}

TEST(Language, RightToLeftLinesKeepTheirNumbersLeftToRight) {
    const std::pair<const char*, std::vector<TextRun>> cases[] = {
        {"1+6 ثم 23/23", {{"23/23", false}, {" ثم ", true}, {"1+6", false}}},
        {"المسائل: 459", {{"459", false}, {"المسائل: ", true}}},
        {"3 تلميحات:", {{" تلميحات:", true}, {"3", false}}},
        // A line that starts left to right keeps its order and shapes its Arabic words.
        {"+ - x: أحاج تحتاج.", {{"+ - x: ", false}, {"أحاج تحتاج", true}, {".", false}}},
        {"Español", {{"Español", false}}},
    };
    for (const auto& [line, want] : cases) {
        std::vector<TextRun> runs = VisualRuns(line);
        ASSERT_EQ(runs.size(), want.size()) << line;
        for (size_t i = 0; i < runs.size(); ++i)
            EXPECT_TRUE(runs[i].utf8 == want[i].utf8 &&
                        runs[i].right_to_left == want[i].right_to_left)
                << line << " " << i;
    }
}

}  // namespace
}  // namespace quorrel
