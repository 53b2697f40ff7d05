#pragma once

#include <QtGlobal>

// Window geometry is laid out in twips; the screen has 15 twips per logical pixel.
constexpr int TwipsPerPixel = 15;

constexpr int twips(int value)
{
    return (value + (value >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}
