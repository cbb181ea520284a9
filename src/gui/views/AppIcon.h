// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The app's icon painted when Zelkor is built (by paint-app-icon, into AppIconPixels.cpp), so that
// a start hands it to the window as it is.

#include <cstdint>
#include <span>

namespace zelkor::views {

struct IconPixels
{
    int side;
    std::span<const std::uint32_t> argb; // premultiplied, row after row
};

std::span<const IconPixels> appIconPixels();

} // namespace zelkor::views
