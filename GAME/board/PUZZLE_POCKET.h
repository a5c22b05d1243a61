#pragma once
// The pocket beside the table. Its sliding panel and button arrive with their own work; the
// board already asks it everything it needs, and a closed, empty pocket answers here.
#include "ST/core/JST_POINT.h"

class PUZZLE_POCKET {
public:
    virtual ~PUZZLE_POCKET() = default;
    // 1: its button was clicked this frame; -2: the mouse is over the button; else 0.
    virtual int Update() { return 0; }
    virtual void Render() {}
    virtual void RenderButton() {}
    virtual bool MouseInPocket() const { return false; }
    // Where pocketed pieces are drawn relative to their pocket coordinates.
    JST::fPOINT ScrollOffset() const { return {pos.x - static_cast<float>(innerW), pos.y - static_cast<float>(innerH)}; }

    JST::fPOINT pos{20.0f, 20.0f};
    int areaW = 0, areaH = 0;
    int innerW = 0, innerH = 0;
    bool open = false;
    int motion = 0;
};
