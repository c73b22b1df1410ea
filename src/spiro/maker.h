// The maker's three values are kept as the user typed them (KeypadEdit::MakerText);
// these helpers turn a caption into the number the drawing takes and keep the line-width
// sample in step with LineThickness.
#pragma once

#include <cstdint>
#include <string_view>

#include "screens/names.h"
#include "window/elements.h"

namespace quorrel {

// The caption's leading number rounded half to even; "" and "." read as 0. Saturates rather
// than wrapping, though the keypad never lets a value outside 1..32767 stand.
int16_t MakerValue(std::string_view caption);

// Whether the keypad's OK may keep a typed caption: its value must round to 1..32767, so that
// an order always has segments to walk and an angle fits the engine's 16 bits. Anything else
// (0, ".", ".4", "99999") is refused like a value of 0 or less.
bool AcceptableMakerValue(std::string_view caption);

// Paints the sample bars Cap(0..2) for a LineThickness of 0 (thick), 1 (medium) or 2 (thin).
// Cap(0) lies in front, so the widest bar still painted shows as one white bar of 7, 5 or 2
// pixels.
void ShowLineSample(Elements& el, int16_t thickness);

}  // namespace quorrel
