// The problem-file reader, the problem text layout, and the loader and dealer in the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "menus/menus.h"
#include "puzzle/problem_file.h"
#include "puzzle/puzzle.h"
#include "shell/calc.h"
#include "state/convert.h"
#include "support/temp_folder.h"
#include "window/headless/headless_platform.h"

namespace quorrel {
namespace {

using testing_support::TempFolder;

// Codes of a few steps: 10000 * (k - 2) + 100 * left + right, k the place in "-/+x".
constexpr int16_t kOnePlusSix = 10106;
constexpr int16_t kTwelveTimesTwelve = 21212;
constexpr int16_t kFiveMinusThree = -9497;
constexpr int16_t kEightOverTwo = 802;

std::string Bytes(const std::vector<ProblemRecord>& records) {
    std::string bytes;
    for (const ProblemRecord& r : records)
        for (int16_t field : r) {
            auto u = static_cast<uint16_t>(field);
            bytes += static_cast<char>(u & 0xFF);
            bytes += static_cast<char>(u >> 8);
        }
    return bytes;
}

std::vector<std::string> Read(const std::string& bytes, std::array<int16_t, 3> groups,
                              size_t capacity = 1000) {
    std::istringstream in(bytes);
    return ReadProblemTexts(in, groups, capacity);
}

TEST(ProblemFile, StepTexts) {
    struct Case {
        int16_t code;
        const char* want;
    };
    const Case cases[] = {
        {kOnePlusSix, "   1+  6"},
        {kTwelveTimesTwelve, "  12x 12"},
        {kFiveMinusThree, "   5-  3"},
        {kEightOverTwo, "   8/  2"},
        {29999, "  99x 99"},
        {-10000, "   0-  0"},
        {0, "   0/  0"},
        {9999, "  99/ 99"},
        {19999, "  99+ 99"},
        {-1, "  99- 99"},
        // Outside the four operator ranges: "?" and still eight characters.
        {-10001, "  99? 99"},
        {-32768, " -27?-68"},
        {30000, "   0?  0"},
        {32767, "  27? 67"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatStep(c.code), c.want) << c.code;
}

TEST(ProblemFile, ProblemTextsKeepTheirLayoutForAnyRecord) {
    struct Case {
        int16_t numbers;
        const char* head;  // the first five characters
        std::array<int16_t, 4> digits;
    };
    const Case cases[] = {
        {1236 + 123, " 1236", {1, 2, 3, 6}},
        {246, "  123", {0, 1, 2, 3}},
        {123, "    0", {0, 0, 0, 0}},
        {9999 + 123, " 9999", {9, 9, 9, 9}},
        {5 + 123, "    5", {0, 0, 0, 5}},
        // Outside 123..10122: the last five characters of the number; non-digits deal as 0.
        {122, "   -1", {0, 0, 0, 1}},
        {-32768, "32891", {2, 8, 9, 1}},
        {10123, "10000", {0, 0, 0, 0}},
        {32767, "32644", {2, 6, 4, 4}},
        {0, " -123", {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        std::string text = ProblemText({c.numbers, kOnePlusSix, kTwelveTimesTwelve, -32768});
        ASSERT_EQ(text.size(), 29u) << c.numbers;
        EXPECT_EQ(text, std::string(c.head) + "   1+  6  12x 12 -27?-68") << c.numbers;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(ProblemDigit(text, i), c.digits[i]) << c.numbers << " digit " << i;
    }
    EXPECT_EQ(ProblemDigit("", 0), 0);
    EXPECT_EQ(ProblemDigit(" 12", 3), 0);
}

TEST(ProblemFile, FileNamesHaveTwoDigits) {
    EXPECT_EQ(ProblemFileName(0), "BIN00.DAT");
    EXPECT_EQ(ProblemFileName(6), "BIN06.DAT");
    EXPECT_EQ(ProblemFileName(48), "BIN48.DAT");
}

TEST(ProblemFile, ReadsTheGroupsThatAreOn) {
    const ProblemRecord a{1 + 123, kOnePlusSix, 0, 0}, b{2 + 123, 0, 0, 0}, c{3 + 123, 0, 0, 0},
        d{4 + 123, 0, 0, 0}, e{5 + 123, 0, 0, 0};
    const std::string file = Bytes({{2, 1, 2, 0}, a, b, c, d, e});
    auto texts = [](std::initializer_list<ProblemRecord> records) {
        std::vector<std::string> t;
        for (const ProblemRecord& r : records) t.push_back(ProblemText(r));
        return t;
    };
    struct Case {
        const char* label;
        std::string bytes;
        std::array<int16_t, 3> groups;
        size_t capacity;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {"all groups", file, {-1, -1, -1}, 1000, texts({a, b, c, d, e})},
        {"group 1 off, group 2 still read after it", file, {-1, 0, -1}, 1000, texts({a, b, d, e})},
        {"only group 1", file, {0, 1, 0}, 1000, texts({c})},
        {"none", file, {0, 0, 0}, 1000, {}},
        {"negative and zero counts give nothing",
         Bytes({{-3, 1, 0, 0}, a, b}),
         {-1, -1, -1},
         1000,
         texts({a})},
        {"shorter than its counts",
         Bytes({{2, 2, 2, 0}, a, b, c}),
         {-1, -1, -1},
         1000,
         texts({a, b, c})},
        {"a broken last record",
         Bytes({{2, 2, 0, 0}, a, b, c}) + "\x01\x02\x03",
         {-1, -1, -1},
         1000,
         texts({a, b, c})},
        {"more records than counted", Bytes({{1, 0, 0, 0}, a, b}), {-1, -1, -1}, 1000, texts({a})},
        {"empty file", "", {-1, -1, -1}, 1000, {}},
        {"half a counts record", "\x05\x00\x00", {-1, -1, -1}, 1000, {}},
        {"capacity", file, {-1, -1, -1}, 3, texts({a, b, c})},
        {"huge counts, few records",
         Bytes({{32767, 32767, 32767, 0}, a}),
         {-1, -1, -1},
         1000,
         texts({a})},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.bytes, c.groups, c.capacity), c.want) << c.label;
}

// The game on a program folder of the test's own (Media/BIN24.DAT only) or on the shipped one.
struct Game {
    explicit Game(const std::string& program_folder, const std::string& settings = "") {
        if (!settings.empty()) {
            std::filesystem::create_directories(data.path() + "/Brindlecove Software");
            std::ofstream(data.path() + "/Brindlecove Software/Quorrel.dat") << settings;
        }
        HeadlessOptions options;
        options.program_folder = program_folder;
        options.data_folder = data.path();
        platform = std::make_unique<HeadlessPlatform>(options);
        calc = std::make_unique<Calc>(*platform, 99);
        calc->Start();
    }
    GameState& gs() { return calc->gs; }
    Element& el(Name name, int index = -1) { return calc->el(name, index); }
    std::string Digits() {
        std::string digits;
        for (int i = 0; i < 4; ++i) digits += el(Name::Digit, i).caption;
        return digits;
    }

    TempFolder data;
    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<Calc> calc;
};

struct ProgramFolder {
    explicit ProgramFolder(const std::vector<ProblemRecord>& records,
                           const std::string& media = "Media",
                           const std::string& name = "BIN24.DAT") {
        std::filesystem::create_directories(folder.path() + "/" + media);
        std::ofstream(folder.path() + "/" + media + "/" + name, std::ios::binary) << Bytes(records);
    }
    const std::string& path() const { return folder.path(); }
    TempFolder folder;
};

std::string Sorted(std::string s) {
    std::sort(s.begin(), s.end());
    return s;
}

std::vector<std::string> Shipped(const std::string& name) {
    std::ifstream in(std::string(QUORREL_SOURCE_DIR) + "/Media/" + name, std::ios::binary);
    return ReadProblemTexts(in, {-1, -1, -1}, 100000);
}

TEST(Loader, EveryTargetReadsItsOwnFile) {
    Game game(QUORREL_SOURCE_DIR);
    const char* values[10] = {"0", "6", "12", "15", "18", "24", "30", "36", "42", "48"};
    for (int16_t index = 0; index < 10; ++index) {
        SCOPED_TRACE(values[index]);
        Target_Click(*game.calc, index);
        std::vector<std::string> list = Shipped(ProblemFileName(game.gs().TargetValue));
        EXPECT_EQ(PlainNumberText(game.gs().TargetValue), values[index]);
        EXPECT_EQ(game.el(Name::Cent).caption, values[index]);
        ASSERT_EQ(game.gs().ProblemCount, static_cast<int16_t>(list.size()));
        EXPECT_EQ(game.el(Name::Probs).caption,
                  NumberText(static_cast<int64_t>(list.size())) + " Problems");
        std::string text = game.gs().ProblemText;
        std::replace(text.begin(), text.end(), kDivisionSign, '/');
        EXPECT_NE(std::find(list.begin(), list.end(), text), list.end()) << text;
        std::string digits;
        for (int i = 0; i < 4; ++i) digits += static_cast<char>('0' + ProblemDigit(text, i));
        EXPECT_EQ(Sorted(game.Digits()), Sorted(digits));
    }
}

TEST(Loader, DealsTheStoredNumbersInSomeOrder) {
    struct Case {
        int16_t numbers;
        const char* digits;  // sorted
    };
    for (const Case& c :
         {Case{1236 + 123, "1236"}, Case{123 + 123, "0123"}, Case{7 + 123, "0007"}}) {
        ProgramFolder program({{1, 0, 0, 0}, {c.numbers, 20602, -9699, 21202}});
        Game game(program.path());
        EXPECT_EQ(Sorted(game.Digits()), c.digits) << c.numbers;
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(game.el(Name::Dig, i).visible);
            EXPECT_EQ(game.gs().Numbers[i], game.gs().DealtNumbers[i]);
        }
        EXPECT_EQ(game.gs().NumbersLeft, 4);
    }
}

TEST(Loader, FindsTheFileWhateverTheCaseOfItsName) {
    ProgramFolder program({{0, 1, 0, 0}, {1236 + 123, 0, 0, 0}}, "media", "bin24.dat");
    Game game(program.path());
    EXPECT_EQ(game.el(Name::Probs).caption, " 1 Problems");
    EXPECT_EQ(Sorted(game.Digits()), "1236");
}

TEST(Loader, GroupsOffAreSkippedButLaterGroupsRead) {
    const ProblemRecord a{1111 + 123, 0, 0, 0}, b{2222 + 123, 0, 0, 0}, c{3333 + 123, 0, 0, 0};
    ProgramFolder program({{1, 1, 1, 0}, a, b, c});
    Game game(program.path(), "-1 5 1 -1 0 -1 0 1680 1260 12000 9000");
    EXPECT_EQ(game.gs().ProblemCount, 2);
    EXPECT_EQ(game.gs().ProblemList,
              (std::vector<std::string>{"", ProblemText(a), ProblemText(c)}));
    EXPECT_EQ(game.el(Name::Probs).caption, " 2 Problems");
}

TEST(Loader, NothingToDealLeavesAnEmptyBoardThatNothingBreaks) {
    ProgramFolder program({{1, 0, 0, 0}, {1236 + 123, 0, 0, 0}});
    ProgramFolder shortfile({{0, 4, 0, 0}});
    TempFolder no_media;
    struct Case {
        const char* label;
        std::string program;
        std::string settings;
        const char* probs;
    };
    const Case cases[] = {
        {"groups with no problems in this file", program.path(),
         "-1 5 1 0 -1 -1 0 1680 1260 12000 9000", " 0 Problems"},
        {"every group off", program.path(), "-1 5 1 0 0 0 0 1680 1260 12000 9000", " 0 Problems"},
        {"a file shorter than its counts", shortfile.path(), "", " 0 Problems"},
        {"no Media folder", no_media.path(), "", " 0 Problems"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Game game(c.program, c.settings);
        GameState& gs = game.gs();
        auto expect_empty_board = [&] {
            EXPECT_EQ(game.el(Name::Probs).caption, c.probs);
            EXPECT_EQ(gs.ProblemCount, 0);
            EXPECT_EQ(gs.ProblemText, "");
            EXPECT_EQ(gs.NumbersLeft, 0);
            for (int i = 0; i < 4; ++i) EXPECT_FALSE(game.el(Name::Dig, i).visible) << i;
            EXPECT_EQ(game.el(Name::Cent).caption, "24");
        };
        expect_empty_board();
        SetUpPuzzle(*game.calc, kFalse);  // "Reset"
        expect_empty_board();
        SetUpPuzzle(*game.calc, kTrue);
        expect_empty_board();
    }
    EXPECT_FALSE(std::filesystem::exists(no_media.path() + "/Media"))
        << "reading never makes the file";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(no_media.path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST(Loader, ShortFileCountsOnlyWhatIsThere) {
    ProgramFolder program(
        {{5, 5, 5, 0}, {1111 + 123, 0, 0, 0}, {2222 + 123, 0, 0, 0}, {3333 + 123, 0, 0, 0}});
    Game game(program.path());
    EXPECT_EQ(game.el(Name::Probs).caption, " 3 Problems");
    EXPECT_EQ(game.gs().ProblemCount, 3);
}

TEST(Loader, ChoosingGroupsWithProblemsDealsAgain) {
    ProgramFolder program({{1, 0, 0, 0}, {1236 + 123, 0, 0, 0}});
    Game game(program.path(), "-1 5 1 0 0 0 0 1680 1260 12000 9000");
    ASSERT_EQ(game.gs().ProblemCount, 0);
    Diff_Click(*game.calc, 0);
    EXPECT_EQ(game.el(Name::Probs).caption, " 1 Problems");
    EXPECT_EQ(Sorted(game.Digits()), "1236");
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(game.el(Name::Dig, i).visible);
}

TEST(Loader, LoadingClearsTheStatistics) {
    Game game(QUORREL_SOURCE_DIR);
    game.gs().Stats = {3, 1, 4, 1, 5};
    LoadProblems(*game.calc);
    EXPECT_EQ(game.gs().Stats, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
}

TEST(Dealer, ResetLaysOutTheSameNumbersAndKeepsTheHints) {
    Game game(QUORREL_SOURCE_DIR);
    GameState& gs = game.gs();
    const std::string text = gs.ProblemText;
    const std::array<int16_t, 4> dealt = gs.DealtNumbers;
    const std::string digits = game.Digits();

    // Half a game: a box emptied, a result shown in red, a highlighted operator, two hints.
    gs.HintsUsed = 2;
    gs.Numbers[0] = kEmptied;
    gs.Numbers[1] = 77;
    gs.Picked[0] = kTrue;
    gs.MoveState = 1;
    gs.NumbersLeft = 3;
    game.el(Name::Dig, 0).visible = false;
    game.el(Name::Digit, 1).caption = "77";
    game.el(Name::Digit, 1).fore = colour::kRed;
    game.el(Name::Op, 2).visible = false;
    game.el(Name::Op, 6).visible = true;
    game.el(Name::But, 3).caption = "Reset";

    SetUpPuzzle(*game.calc, kFalse);
    EXPECT_EQ(gs.ProblemText, text);
    EXPECT_EQ(gs.HintsUsed, 2);
    EXPECT_EQ(gs.DealtNumbers, dealt);
    EXPECT_EQ(gs.Numbers, dealt);
    EXPECT_EQ(game.Digits(), digits);
    EXPECT_EQ(gs.Picked, (std::array<int16_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(gs.MoveState, 0);
    EXPECT_EQ(gs.NumbersLeft, 4);
    EXPECT_EQ(game.el(Name::But, 3).caption, "Hint");
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(game.el(Name::Dig, i).visible) << i;
        EXPECT_EQ(game.el(Name::Digit, i).fore, colour::kBlack) << i;
        EXPECT_TRUE(game.el(Name::Op, i).visible) << i;
        EXPECT_FALSE(game.el(Name::Op, i + 4).visible) << i;
    }

    SetUpPuzzle(*game.calc, kTrue);
    EXPECT_EQ(gs.HintsUsed, 0) << "a new puzzle starts without hints";
}

TEST(Dealer, AShownHintIsHiddenByTheNextDeal) {
    Game game(QUORREL_SOURCE_DIR);
    Element& hint = game.el(Name::HintL);
    hint.visible = true;
    SetUpPuzzle(*game.calc, kTrue);
    EXPECT_TRUE(hint.visible) << "black, as start-up leaves it: untouched";
    game.gs().board.hint_label_used = true;
    SetUpPuzzle(*game.calc, kFalse);
    EXPECT_FALSE(hint.visible);
}

TEST(Dealer, DivisionIsOneCharacterInTheDealtText) {
    ProgramFolder program({{0, 0, 1, 0}, {2389 + 123, kEightOverTwo, 10309, 20412}});
    Game game(program.path());
    const std::string& text = game.gs().ProblemText;
    ASSERT_EQ(text.size(), 29u);
    EXPECT_EQ(text, std::string(" 2389   8") + kDivisionSign + "  2   3+  9   4x 12");
    EXPECT_EQ(game.gs().ProblemList[1].find(kDivisionSign), std::string::npos)
        << "the list keeps '/'";
}

// Every problem can be drawn, and the four numbers come in every order.
TEST(Dealer, DrawsEveryProblemAndEveryOrder) {
    ProgramFolder program(
        {{3, 0, 0, 0}, {1236 + 123, 0, 0, 0}, {4578 + 123, 0, 0, 0}, {9 + 123, 0, 0, 0}});
    Game game(program.path());
    std::map<std::string, int> problems;
    std::set<std::string> orders;
    for (int deal = 0; deal < 3000; ++deal) {
        SetUpPuzzle(*game.calc, kTrue);
        ++problems[game.gs().ProblemText.substr(0, 5)];
        if (game.gs().ProblemText.substr(0, 5) == " 1236") orders.insert(game.Digits());
    }
    ASSERT_EQ(problems.size(), 3u);
    for (const auto& [text, count] : problems) EXPECT_GT(count, 800) << text;
    EXPECT_EQ(orders.size(), 24u);
}

}  // namespace
}  // namespace quorrel
