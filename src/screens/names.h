// The names of the game's elements, which the window's table gives them.
#pragma once

#include <cstdint>

namespace quorrel {

// Arrays share one name and are told apart by their index.
enum class Name : uint8_t {
    Floater,
    Helper,
    SelFloat,
    Hist,
    Spirom,
    RestoreHint,
    First,
    Hellf,
    Paper,
    Dig,
    Digit,
    Op,
    Label1,
    Label3,
    Cent,
    HintL,
    ScoreB,
    But,
    spot,
    Label5,
    Label10,
    Picture2,
    Label8,
    About,
    Label6,
    Regest,
    VerLab,
    Picture3,
    Line1,
    Line2,
    Label9,
    Label2,
    Target,
    Diff,
    Probs,
    Snd,
    Rew,
    Label4,
    Score,
    Picture7,
    Label18,
    Label7,
    Label12,
    LMOrder,
    Cap,
    Label13,
    BackColorSet,
    CalBut,
    OKBut,
    Label19,
    Hell,
    MMControl1,
    Label11,
    HelpNote,
    HelpNoteText,
    Count
};

}  // namespace quorrel
