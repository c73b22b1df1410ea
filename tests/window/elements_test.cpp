#include "window/elements.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

int CountOf(const Elements& el, Name name) {
    int n = 0;
    for (const Element& e : el.All()) n += e.name == name;
    return n;
}

TEST(StoredWindow, ArraysHaveTheirMembers) {
    Elements el;
    struct Case { Name name; int count; };
    const Case cases[] = {{Name::But, 19},   {Name::Digit, 4},  {Name::Dig, 4},    {Name::Op, 8},
                          {Name::Diff, 3},   {Name::Rew, 2},    {Name::Snd, 3},    {Name::Target, 10},
                          {Name::Score, 5},  {Name::Label4, 5}, {Name::Label2, 4}, {Name::LMOrder, 3},
                          {Name::Cap, 3},    {Name::CalBut, 15}, {Name::Label9, 3}, {Name::Floater, 1}};
    for (const Case& c : cases) EXPECT_EQ(CountOf(el, c.name), c.count) << NameText(c.name);
    EXPECT_EQ(el.Find(Name::But, 18), nullptr);
    EXPECT_EQ(el.Find(Name::But, 19), nullptr);
    EXPECT_EQ(el.Find(Name::But, 21), nullptr);
    EXPECT_NE(el.Find(Name::But, 20), nullptr);
    EXPECT_EQ(el.FindByText("But(18)"), nullptr);
    EXPECT_EQ(el.FindByText("Digit(2)"), el.Find(Name::Digit, 2));
    EXPECT_EQ(el.FindByText("Digit"), nullptr);
    EXPECT_EQ(el.FindByText("Digit(x)"), nullptr);
}

TEST(StoredWindow, CaptionsKeepTheirBlanks) {
    Elements el;
    struct Case { Name name; int index; const char* caption; };
    const Case cases[] = {{Name::But, 0, "Quit  "},  {Name::But, 1, "  Menu "}, {Name::But, 3, " Hint"},
                          {Name::But, 4, "  Help"},  {Name::But, 5, "Play "},   {Name::But, 14, "  Line"},
                          {Name::But, 2, " Play"},   {Name::Label4, 3, "Wrong:"}, {Name::Label4, 4, "3 Hints:"},
                          {Name::ScoreB, -1, " "},   {Name::Diff, 2, "Hard"},   {Name::Target, 9, "48"},
                          {Name::But, 10, "Click on the spirolateral to show the menu"}};
    for (const Case& c : cases) EXPECT_EQ(el(c.name, c.index).caption, c.caption);
}

TEST(StoredWindow, PlacesAreInPixels) {
    Elements el;
    struct Case { Name name; int index; int left, top, width, height; };
    const Case cases[] = {
        {Name::Floater, -1, 224, 8, 217, 217}, {Name::First, -1, 8, 224, 219, 219},
        {Name::Dig, 3, 80, 136, 57, 57},       {Name::Digit, 0, 0, 8, 57, 49},
        {Name::Op, 2, 20, 137, 57, 57},        {Name::Op, 6, 20, 137, 57, 57},
        {Name::Paper, -1, 440, 8, 102, 102},   {Name::Hellf, -1, 40, 444, 617, 149},
        {Name::Cap, 0, 64, 168, 129, 7},       {Name::Cap, 2, 64, 170, 129, 2},
        {Name::Label4, 3, 72, 136, 49, 17},    {Name::Score, 4, 128, 136, 33, 17},
    };
    for (const Case& c : cases) {
        const Element& e = el(c.name, c.index);
        EXPECT_EQ(e.left, c.left) << FullName(e);
        EXPECT_EQ(e.top, c.top) << FullName(e);
        EXPECT_EQ(e.width, c.width) << FullName(e);
        EXPECT_EQ(e.height, c.height) << FullName(e);
    }
}

TEST(StoredWindow, OnlyTheTitlePanelIsShownAtStart) {
    Elements el;
    for (const Element& e : el.All()) {
        bool title = e.name == Name::First || (e.parent >= 0 && el.At(e.parent).name == Name::First);
        if (el.Shown(e)) {
            EXPECT_TRUE(title) << FullName(e);
        }
    }
    EXPECT_FALSE(el(Name::Target, 3).visible);
    EXPECT_TRUE(el(Name::Target, 4).visible);
    EXPECT_FALSE(el(Name::Op, 4).visible);
    EXPECT_TRUE(el(Name::Op, 0).visible);
    EXPECT_EQ(el.windowBack, colour::kPurple);
}

TEST(StoredWindow, ColoursMarkTheStoredChoices) {
    Elements el;
    EXPECT_EQ(el(Name::Target, 0).fore, colour::kSystemText);
    EXPECT_EQ(el(Name::Target, 5).fore, colour::kSilver);
    EXPECT_EQ(el(Name::Snd, 0).fore, colour::kSilver);  // the scroll-bar colour: not chosen-looking
    EXPECT_EQ(el(Name::Rew, 0).fore, colour::kBlack);
    EXPECT_EQ(el(Name::Cent).fore, colour::kSilver);
    EXPECT_FALSE(el(Name::Cent).opaque);
    EXPECT_TRUE(el(Name::LMOrder, 1).opaque);
    EXPECT_EQ(el(Name::LMOrder, 1).back, colour::kYellow);
    EXPECT_EQ(el(Name::Digit, 2).font.points, 24.0f);
    EXPECT_EQ(el(Name::VerLab).font.family, "Verdana");
    EXPECT_FALSE(el(Name::BackColorSet).font.bold);
    EXPECT_TRUE(el(Name::CalBut, 10).font.bold);
    EXPECT_EQ(el(Name::CalBut, 14).tooltip, "Backspace");
}

TEST(HitTest, TopmostShownElementTakesTheClick) {
    Elements el;
    el(Name::Floater).visible = true;
    el(Name::First).visible = false;
    int bx, by;
    el.WindowPosition(el(Name::Dig, 1), bx, by);
    EXPECT_EQ(el.HitTest(bx + 20, by + 20), el.Id(el(Name::Digit, 1)));  // the label inside the box
    EXPECT_EQ(el.HitTest(bx + 20, by + 2), el.Id(el(Name::Dig, 1)));    // above the label: the box
    EXPECT_EQ(el.HitTest(2, 2), -1);                                      // the bare background
    int fx, fy;
    el.WindowPosition(el(Name::Floater), fx, fy);
    EXPECT_EQ(el.HitTest(fx + 80, fy + 80), el.Id(el(Name::spot)));
    // A hidden highlighted twin lets the click through to the normal circle.
    int ox, oy;
    el.WindowPosition(el(Name::Op, 2), ox, oy);
    EXPECT_EQ(el.HitTest(ox + 28, oy + 28), el.Id(el(Name::Op, 2)));
    el(Name::Op, 6).visible = true;
    EXPECT_EQ(el.HitTest(ox + 28, oy + 28), el.Id(el(Name::Op, 6)));
}

TEST(HitTest, PanelsLeftUpByABackgroundClickLieUnderTheNewOne) {
    struct Case { Name left_up, brought_up; };
    const Case cases[] = {{Name::RestoreHint, Name::Spirom}, {Name::Hist, Name::Floater},
                          {Name::Hist, Name::Helper}, {Name::RestoreHint, Name::SelFloat}};
    for (const Case& c : cases) {
        Elements el;
        el(Name::First).visible = false;
        for (Name panel : {c.left_up, c.brought_up}) {
            el(panel).left = 100;
            el(panel).top = 100;
            el(panel).visible = true;
        }
        int hit = el.HitTest(100 + 3, 100 + 108);
        ASSERT_GE(hit, 0);
        const Element* e = &el.At(hit);
        while (e->parent >= 0) e = &el.At(e->parent);
        EXPECT_EQ(e->name, c.brought_up) << NameText(c.left_up);
    }
}

}  // namespace
}  // namespace quorrel
