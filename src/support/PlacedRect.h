#pragma once

// A window's place as MoveWindow takes it: left, top, width and height.
struct PlacedRect
{
    int x;
    int y;
    int nWidth;
    int nHeight;
};
