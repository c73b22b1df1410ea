// The learner model's step and choice of puzzle, and the learner record's lines and file.
#include "board/learner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <set>
#include <tuple>

#include "shell/learner_record.h"

namespace quorrel {
namespace {

TEST(Learner, RatingMovesByOutcome) {
    using enum PuzzleOutcome;
    struct Case {
        double rating, score, after;
        int played, hints;
        PuzzleOutcome outcome;
    };
    const Case cases[] = {
        {2, 2, 3.5, 0, 0, kSolved},           // chance 1/2, first step 3
        {2, 2, 2, 0, 1, kSolved},             // one hint: half credit, as expected
        {2, 2, 0.875, 0, 9, kSolved},         // hints count up to three: 1/8
        {2, 2, 0.5, 0, 0, kWrong},            // a wrong answer or a puzzle left: nothing
        {2, 2, 0.5, 0, 2, kLeft},             // even with hints
        {2, 2, 2.75, 6, 0, kSolved},          // the step halves after six puzzles
        {2, 2, 1.75, 500, 0, kWrong},         // and settles at 1/2
        {13.9, 40, 14, 0, 0, kSolved},        // bounded above
        {-3.9, -40, -4, 0, 0, kLeft},         // and below
        {std::nan(""), 2, 2, 0, 1, kSolved},  // a rating that is not a number starts afresh
    };
    for (const Case& c : cases)
        EXPECT_NEAR(UpdateRating(c.rating, c.played, c.score, c.outcome, c.hints), c.after, 1e-6)
            << c.rating << " played " << c.played << " hints " << c.hints;
}

TEST(Learner, NextPuzzleIsSolvedThreeTimesInFour) {
    std::vector<double> scores;
    for (int k = 0; k <= 800; ++k) scores.push_back(k / 100.0);
    scores.push_back(std::nan(""));
    const std::tuple<double, double, double> cases[] = {
        {1.5, 0.70, 0.80},  {4, 0.70, 0.80},
        {8.5, 0.70, 0.80},  {-3, 0.04, 0.05},  // every puzzle too hard: the five easiest
        {13, 0.99, 0.9999},                    // every puzzle too easy: the five hardest
    };
    Random random(7), again(7);
    for (auto [rating, lowest, highest] : cases) {
        std::set<int32_t> chosen;
        double sum = 0;
        for (int n = 0; n < 200; ++n) {
            const int32_t k = ChooseNextPuzzle(scores, rating, random);
            ASSERT_EQ(k, ChooseNextPuzzle(scores, rating, again));  // the seed decides
            ASSERT_LT(size_t(k), scores.size() - 1) << rating;
            const double chance = SolveChance(rating, scores[k]);
            EXPECT_TRUE(chance >= lowest && chance <= highest) << rating << ": " << chance;
            sum += chance, chosen.insert(k);
        }
        EXPECT_GE(chosen.size(), 5u);  // not always the same puzzle
        EXPECT_NEAR(sum / 200, (lowest + highest) / 2, 0.01);
    }
    EXPECT_EQ(ChooseNextPuzzle({}, 2, random), -1);
}

TEST(LearnerRecord, LinesReadBackOrAreRefused) {
    for (const char* text : {"2026-12-07 14:03:12 13 0 10 10 48 5 wrong 3 99999 -0.05\r",
                             "0001-01-01 00:00:60 0 0 0 0 0 2 left 1 0 14.00\r"}) {
        LearnerLine line;
        ASSERT_TRUE(ParseLearnerLine(text, line)) << text;
        EXPECT_EQ(FormatLearnerLine(line), std::string(text) + "\n");
    }
    // The first good line with one field changed.
    const std::pair<int, const char*> bad[] = {
        {0, "2026-13-07"}, {1, "14:03"}, {2, "14"}, {6, "49"},     {7, "0"},      {8, "won"},
        {9, "4"},          {10, "-1"},   {11, ""},  {11, "2.5"},   {11, "-0.00"}, {11, "+1.00"},
        {11, "14.01"},     {11, "1 1"},  {5, " 6"}, {11, "2.48 "},
    };
    const char* fields[] = {"2026-12-07", "14:03:12", "1",      "1", "4",  "6",
                            "24",         "1",        "solved", "0", "35", "2.48"};
    for (auto [field, value] : bad) {
        std::string text;
        for (int f = 0; f < 12; ++f)
            text += std::string(f ? " " : "") + (f == field ? value : fields[f]);
        LearnerLine line;
        EXPECT_FALSE(ParseLearnerLine(text, line)) << text;
    }
}

TEST(LearnerRecord, ReadsAsFarAsWholeAndKeepsTheLastLines) {
    std::vector<LearnerLine> lines(kLearnerRecordMaxLines + 5);
    for (size_t k = 0; k < lines.size(); ++k) lines[k].rating = k / 100.0;
    const std::string full = FormatLearnerRecord(lines);
    EXPECT_EQ(std::count(full.begin(), full.end(), '\n'), long(kLearnerRecordMaxLines));
    const std::string whole = FormatLearnerRecord({lines[10], lines[20], lines[30]});
    const std::tuple<std::string, size_t, double> cases[] = {
        {"", 0, kStartRating},
        {whole, 3, 0.30},
        {whole.substr(0, whole.size() - 1), 2, 0.20},  // the last line torn
        {whole.substr(0, 40) + "\n" + whole, 0, kStartRating},
        {whole + "junk\r\n" + whole, 3, 0.30},  // a bad line ends the read
        {full + whole, kLearnerRecordMaxLines, 0.30},
    };
    for (const auto& [text, count, rating] : cases) {
        EXPECT_EQ(ParseLearnerRecord(text).lines.size(), count);
        EXPECT_DOUBLE_EQ(ParseLearnerRecord(text).rating, rating);
    }
    const std::string path = testing::TempDir() + "learner-" + std::to_string(getpid());
    LearnerRecord record = ReadLearnerRecord(path);  // missing: a fresh record
    EXPECT_EQ(record.rating, kStartRating);
    lines[0].rating = 3.14159;
    EXPECT_TRUE(AppendLearnerLine(path, record, lines[0]));
    EXPECT_DOUBLE_EQ(record.rating, 3.14);
    EXPECT_DOUBLE_EQ(ReadLearnerRecord(path).rating, 3.14);
    std::remove(path.c_str());
    EXPECT_FALSE(AppendLearnerLine(testing::TempDir(), record, lines[0]));  // a folder
    EXPECT_TRUE(ReadLearnerRecord(testing::TempDir()).lines.empty());
}

}  // namespace
}  // namespace quorrel
