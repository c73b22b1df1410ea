// The arithmetic of tiling the window background with copies of a small picture.
#pragma once

namespace quorrel {

struct TileGrid {
    int tile_width = 0, tile_height = 0;
    int columns = 0, rows = 0;  // both loops run to their rounded count inclusive
};

// outer_width/height: the window's outer size in pixels (frame included, rounded to 16 bits);
// holder_width/height: the size of the element that holds the tile, border included.
// A holder too small to hold a tile gives an empty grid.
TileGrid ComputeTileGrid(double outer_width, double outer_height, int holder_width,
                         int holder_height);

}  // namespace quorrel
