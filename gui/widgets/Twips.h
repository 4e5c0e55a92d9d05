#pragma once

// Window geometry has always been given in twips, 1/1440 inch; at 96 logical pixels to the
// inch one pixel is 15 twips.
constexpr int twipsToPixels(int twips)
{
    return twips * 96 / 1440;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * 1440 / 96;
}
