// Field-by-name printing for the headless driver's `state` command.
#include <cstdio>
#include <functional>
#include <map>

#include "state/convert.h"
#include "state/game_state.h"
#include "state/text_escape.h"

namespace quorrel {
namespace {

std::string Show(int64_t v) { return std::to_string(v); }
std::string Show(uint32_t v) { return std::to_string(v); }
std::string Show(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(v));
    return buffer;
}
std::string Show(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}
std::string Show(const std::string& v) { return QuoteText(v); }
template <typename T, size_t N>
std::string Show(const std::array<T, N>& values) {
    std::string out;
    for (size_t i = 0; i < N; ++i) {
        if (i) out += ' ';
        if constexpr (std::is_integral_v<T>)
            out += Show(static_cast<int64_t>(values[i]));
        else
            out += Show(values[i]);
    }
    return out;
}
template <typename T>
std::string ShowAny(const T& v) {
    if constexpr (std::is_same_v<T, int16_t> || std::is_same_v<T, int32_t>)
        return Show(static_cast<int64_t>(v));
    else
        return Show(v);
}

using Printer = std::function<std::string(const GameState&)>;

#define FIELD(name)                                               \
    {                                                             \
#name, [](const GameState& s) { return ShowAny(s.name); } \
    }
// The last spirolateral drawing's walk.
#define WALK(name)                                                                   \
    {                                                                                \
#name, [](const GameState& s) { return ShowAny(s.spiro_drawing.walk.name); } \
    }

const std::map<std::string, Printer>& Printers() {
    static const std::map<std::string, Printer> printers = {
        FIELD(TargetIndex),
        FIELD(TargetValue),
        FIELD(OperatorSetOn),
        FIELD(SoundLevel),
        FIELD(GiveReward),
        FIELD(BackColorIndex),
        FIELD(SpiroPenColor),
        FIELD(ProblemCount),
        FIELD(ProblemText),
        FIELD(Numbers),
        FIELD(DealtNumbers),
        FIELD(Picked),
        FIELD(MoveState),
        FIELD(NumbersLeft),
        FIELD(ClickLock),
        FIELD(FirstValue),
        FIELD(FirstIndex),
        FIELD(OpClicked),
        FIELD(OpChosen),
        FIELD(SecondValue),
        FIELD(ResultValue),
        FIELD(Quotient),
        FIELD(RewardShown),
        FIELD(HintsUsed),
        FIELD(Stats),
        FIELD(SolvedCount),
        FIELD(ScoreStart),
        FIELD(TimeMark),
        FIELD(SayName),
        FIELD(SayNumber),
        FIELD(MakerMode),
        FIELD(LineThickness),
        FIELD(KeypadOpen),
        FIELD(EditIndex),
        FIELD(EditOldValue),
        FIELD(StartWindowState),
        FIELD(TitleText),
        FIELD(HelpFile),
        FIELD(SettingsPath),
        FIELD(SavedReward),
        FIELD(SavedTarget),
        FIELD(SavedSound),
        {"PiValue", [](const GameState&) { return Show(PiValue); }},
        WALK(SpiroSizeX),
        WALK(SpiroSizeY),
        WALK(SpiroCenterX),
        WALK(SpiroCenterY),
        WALK(SpiroTurn),
        WALK(SpiroMinX),
        WALK(SpiroMaxX),
        WALK(SpiroMinY),
        WALK(SpiroMaxY),
        WALK(SpiroX),
        WALK(SpiroY),
        WALK(SpiroNextX),
        WALK(SpiroNextY),
        WALK(SpiroHeading),
        WALK(SpiroStep),
        WALK(SpiroStartStep),
        WALK(SpiroTurnSign),
        WALK(SpiroFirstStep),
        WALK(SpiroCycles),
        WALK(SpiroPass),
        WALK(SpiroScaleX),
        WALK(SpiroScaleY),
        WALK(SpiroOffsetX),
        WALK(SpiroOffsetY),
        // Names the driver has always answered, for values the game no longer keeps: the tile
        // surface (always prepared once loaded) and the replay of the options at start-up
        // (they are applied directly, so it never runs).
        {"TileDC", [](const GameState&) { return Show(int64_t{-1}); }},
        {"ReplayingOptions", [](const GameState&) { return Show(int64_t{0}); }},
        {"ProblemList",
         [](const GameState& s) {
             std::string out;
             for (size_t i = 1;
                  i < s.ProblemList.size() && i <= static_cast<size_t>(s.ProblemCount); ++i) {
                 if (i > 1) out += ' ';
                 out += QuoteText(s.ProblemList[i]);
             }
             return out;
         }},
        {"SpiroCorners",
         [](const GameState& s) {
             std::string out;
             const auto& corners = s.spiro_drawing.walk.SpiroCorners;
             for (size_t r = 0; r < corners.size(); ++r) {
                 if (r) out += ' ';
                 out += Show(corners[r][0]) + ' ' + Show(corners[r][1]);
             }
             return out;
         }},
    };
    return printers;
}
#undef FIELD
#undef WALK

}  // namespace

bool DescribeField(const GameState& state, const std::string& name, std::string& out) {
    auto it = Printers().find(name);
    if (it == Printers().end()) return false;
    out = it->second(state);
    return true;
}

}  // namespace quorrel
