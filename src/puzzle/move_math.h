// The arithmetic of a move now belongs to the board; this header stays for the includes that
// still name it, with the recordings a move is spoken with.
#pragma once

#include "board/move_math.h"
#include "puzzle/move_words.h"
