// The setup boxes: the chosen box black, the rest silver; target and group changes deal again.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "menus/menus.h"
#include "puzzle/problem_file.h"
#include "shell/calc.h"
#include "state/convert.h"
#include "support/temp_folder.h"
#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

using testing_support::TempFolder;

struct Game {
    Game() {
        HeadlessOptions options;
        options.program_folder = QUORREL_SOURCE_DIR;
        options.data_folder = data.path();
        platform = std::make_unique<HeadlessPlatform>(options);
        calc = std::make_unique<Calc>(*platform, 5);
        calc->surface.SetLog(&lines);
        calc->Start();
        platform->TakeEvents();
        lines.clear();
    }
    GameState& gs() { return calc->gs; }
    Element& el(Name name, int index = -1) { return calc->el(name, index); }
    std::vector<int> Chosen(Name row, int count) {
        std::vector<int> chosen;
        for (int i = 0; i < count; ++i) {
            uint32_t fore = el(row, i).fore;
            if (fore == colour::kBlack)
                chosen.push_back(i);
            else
                EXPECT_EQ(fore, colour::kSilver) << NameText(row) << "(" << i << ")";
        }
        return chosen;
    }

    TempFolder data;
    std::vector<std::string> lines;
    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<Calc> calc;
};

size_t Count(const char* file, std::array<int16_t, 3> groups) {
    std::ifstream in(std::string(QUORREL_SOURCE_DIR) + "/Media/" + file, std::ios::binary);
    return ReadProblemTexts(in, groups, 100000).size();
}

TEST(Setup, TargetClicksChooseOneBoxAndDeal) {
    Game game;
    struct Case {
        int16_t index;
        int chosen;  // the box that shows as chosen afterwards
        const char* centre;
        const char* file;
    };
    const Case cases[] = {
        {1, 1, "6", "BIN06.DAT"},
        {5, 5, "24", "BIN24.DAT"},
        {5, 5, "24", "BIN24.DAT"},
        {3, 3, "15", "BIN15.DAT"},
        {9, 9, "48", "BIN48.DAT"},
        // No such box: nothing changes.
        {10, 9, "48", "BIN48.DAT"},
        {-1, 9, "48", "BIN48.DAT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        game.gs().Stats = {1, 1, 1, 1, 1};
        double next = Random(game.calc->rng).Next();
        Target_Click(*game.calc, c.index);
        EXPECT_EQ(game.Chosen(Name::Target, 10), std::vector<int>{c.chosen});
        EXPECT_EQ(game.gs().TargetIndex, c.chosen);
        EXPECT_EQ(game.el(Name::Cent).caption, c.centre);
        EXPECT_EQ(game.gs().ProblemCount, static_cast<int16_t>(Count(c.file, {-1, -1, -1})));
        bool dealt = c.index == c.chosen;
        EXPECT_EQ(game.gs().Stats == (std::array<int32_t, 5>{}), dealt)
            << "statistics cleared by a load";
        EXPECT_EQ(Random(game.calc->rng).Next() != next, dealt) << "random numbers drawn by a deal";
    }
}

TEST(Setup, GroupClicksToggleAndDealEachTime) {
    Game game;
    const size_t all = Count("BIN24.DAT", {-1, -1, -1});
    struct Case {
        int16_t index;
        std::vector<int> chosen;
        size_t problems;
    };
    const Case cases[] = {
        {1, {0, 2}, Count("BIN24.DAT", {-1, 0, -1})},
        {1, {0, 1, 2}, all},
        {0, {1, 2}, Count("BIN24.DAT", {0, -1, -1})},
        {1, {2}, Count("BIN24.DAT", {0, 0, -1})},
        {2, {}, 0},
        {0, {0}, Count("BIN24.DAT", {-1, 0, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        game.gs().Stats = {1, 1, 1, 1, 1};
        Diff_Click(*game.calc, c.index);
        EXPECT_EQ(game.Chosen(Name::Diff, 3), c.chosen);
        EXPECT_EQ(game.gs().ProblemCount, static_cast<int16_t>(c.problems));
        EXPECT_EQ(game.el(Name::Probs).caption,
                  NumberText(static_cast<int64_t>(c.problems)) + " Problems");
        EXPECT_EQ(game.gs().Stats, (std::array<int32_t, 5>{}));
    }
    for (int16_t bad : {-1, 3}) {
        Diff_Click(*game.calc, bad);
        EXPECT_EQ(game.gs().OperatorSetOn, (std::array<int16_t, 3>{-1, 0, 0})) << bad;
    }
}

TEST(Setup, SoundClicksChooseALevelSilently) {
    Game game;
    game.platform->SetTitle("OK");
    game.platform->TakeEvents();
    for (int16_t level : {2, 1, 0, 2}) {
        Snd_Click(*game.calc, level);
        EXPECT_EQ(game.Chosen(Name::Snd, 3), std::vector<int>{level});
        EXPECT_EQ(game.gs().SoundLevel, level);
    }
    Snd_Click(*game.calc, 3);
    EXPECT_EQ(game.gs().SoundLevel, 2);
    EXPECT_EQ(game.platform->Title(), "Quorrel") << "the title loses an OK or No";
    for (const std::string& e : game.platform->TakeEvents())
        EXPECT_NE(e.rfind("sound", 0), 0u) << e;
}

TEST(Setup, RewardClicks) {
    Game game;
    struct Case {
        int16_t index;
        int16_t reward;
        int chosen;
    };
    const Case cases[] = {{1, 0, 1},   {1, 0, 1}, {0, -1, 0}, {2, -1, 0},
                          {-1, -1, 0}, {1, 0, 1}, {7, 0, 1}};
    for (const Case& c : cases) {
        Rew_Click(*game.calc, c.index);
        EXPECT_EQ(game.gs().GiveReward, c.reward) << c.index;
        EXPECT_EQ(game.Chosen(Name::Rew, 2), std::vector<int>{c.chosen}) << c.index;
    }
}

TEST(Setup, BackColourCyclesBackToTheTile) {
    Game game;
    struct Case {
        int16_t index;
        uint32_t back;
        uint32_t pen;
    };
    const Case cases[] = {
        {1, colour::kBlack, colour::kWhite}, {2, colour::kWhite, colour::kBlack},
        {3, colour::kRed, colour::kWhite},   {4, colour::kBlue, colour::kWhite},
        {0, colour::kBlue, colour::kWhite},  {1, colour::kBlack, colour::kWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        game.gs().SpiroPenColor = 0x123456;
        game.lines.clear();
        BackColorSet_Click(*game.calc);
        EXPECT_EQ(game.gs().BackColorIndex, c.index);
        EXPECT_EQ(game.gs().SpiroPenColor, c.pen);
        if (c.index != 0) {
            EXPECT_EQ(game.calc->el.windowBack, c.back);
            ASSERT_FALSE(game.lines.empty());
            EXPECT_EQ(game.lines.front(), "clear");
        }
    }
}

}  // namespace
}  // namespace quorrel
