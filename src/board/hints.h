// The hint texts: steps of the stored solution cut from the dealt problem's text.
#pragma once

#include <cstdint>
#include <string>

namespace quorrel {

// The hint text of step 1, 2 or 3: the step's characters 2 to 8 without their blanks
// ("   1+  6" gives "1+6"). Whatever part of the step a short text holds; "" for none.
std::string HintStepText(const std::string& problem_text, int step);

// What the hint label shows once hints_used hints are taken: step 3 (the step that reaches the
// target), then step 1, then step 1 " then " step 2.
std::string HintCaption(const std::string& problem_text, int16_t hints_used);

}  // namespace quorrel
