// The desktop's scale, from the places a Linux desktop publishes it. Read in this order:
//   1. GDK_SCALE x GDK_DPI_SCALE and 2. QT_SCALE_FACTOR: set by hand (or by a session script)
//      for one program or one session, so they say what the user wants here and now;
//   3. the Xft.dpi X resource / 96: the desktop-wide setting the GNOME, KDE and Xfce settings
//      services publish for every program's text;
//   4. the display's physical dots per inch, only in whole steps (2 from 168 dpi up): monitors,
//      projectors and virtual displays often report sizes that are plainly wrong.
// Anything unreadable or outside 0.5 to 4 is passed over; with no source the scale is 1.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorrel {

constexpr double kMinScale = 0.5, kMaxScale = 4;

struct ScaleSources {
    std::string gdk_scale, gdk_dpi_scale, qt_scale_factor;  // environment values, "" when unset
    std::string x_resources;  // the X server's resource database text, "" when none
    double display_dpi = 0;   // 0 when unknown
};

struct DisplayScaleChoice {
    double scale = 1;
    std::string source = "default";
};

DisplayScaleChoice ChooseDisplayScale(const ScaleSources& sources);

// A scale typed by the user ("1.5"): nullopt unless a plain number from 0.5 to 4.
std::optional<double> ParseScale(std::string_view text);

}  // namespace quorrel
