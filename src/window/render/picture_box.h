// A picture box's stored picture, drawn from the art made nearest the size it is shown at.
#pragma once

#include "window/element.h"
#include "window/image.h"
#include "window/platform.h"

namespace quorrel {

// Draws element's picture with the element's box at box, inside clip. A fitted picture (its
// picture_src_width and _height set) is made whole at the size that lets its fitted block fill
// the box, and that block is copied one to one; any other picture is shown from the box's
// top-left at its 1x size times scale.
void DrawPicture(PixelView frame, Platform& platform, const Element& element, Rect box, Rect clip,
                 double scale);

}  // namespace quorrel
