// The tiled window background and the fitting of stored pictures to their elements.
#include "shell/calc.h"
#include "shell/tiling.h"
#include "state/convert.h"

namespace quorrel {

TileGrid ComputeTileGrid(double outer_width, double outer_height, int holder_width,
                         int holder_height) {
    TileGrid grid;
    int w = RoundToInt16(outer_width), h = RoundToInt16(outer_height);
    grid.tile_width = holder_width - 2;  // the holder's one-pixel border on each side
    grid.tile_height = holder_height - 2;
    if (grid.tile_width <= 0 || grid.tile_height <= 0) return {};
    // Rounded, then counted inclusively, so the tiles always reach past the right and bottom.
    grid.columns = RoundToInt16(static_cast<double>(w) / grid.tile_width) + 1;
    grid.rows = RoundToInt16(static_cast<double>(h) / grid.tile_height) + 1;
    if (grid.columns < 0 || grid.rows < 0) return {};
    return grid;
}

void Calc::TileBackground() {
    if (gs.BackColorIndex != 0) return;
    const Element& paper = el(Name::Paper);
    const Image* tile = platform.GetPicture(paper.picture);
    if (!tile || tile->Empty()) return;  // the background keeps its plain back colour
    Placement outer = platform.GetPlacement();
    TileGrid grid =
        ComputeTileGrid(outer.width / platform.TwipsPerPixelX(),
                        outer.height / platform.TwipsPerPixelY(), paper.width, paper.height);
    if (grid.columns == 0) return;
    // The tile drawn for the size it is laid at, so a scaled window is not tiled with a block
    // cut from the small one.
    if (const Image* sized =
            platform.GetPictureSized(paper.picture, grid.tile_width, grid.tile_height))
        tile = sized;
    SyncSurfaceSize();
    surface.Tile(*tile, grid.tile_width, grid.tile_height, grid.columns, grid.rows);
}

void Calc::TileBoy_Timer() { TileBackground(); }

void Calc::StretchPicture(Element& element, int16_t SrcWidth, int16_t SrcHeight) {
    if (SrcWidth <= 0 || SrcHeight <= 0) return;
    element.picture_src_width = SrcWidth;
    element.picture_src_height = SrcHeight;
}

}  // namespace quorrel
