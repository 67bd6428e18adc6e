#pragma once
// The editor asks the text painter which part of a price cell lies under a
// click: it arms the probe with the click in board pixels and the strip, asks
// for one redraw, and reads the two flags afterwards.
#include "model/board.h"

#include <QPoint>

namespace sw {

struct ClickProbe {
    // Board pixels; an x of 0 or less is never probed.
    QPoint Point;
    StripRef Strip{-1, -1};
    bool RightPartHit = false;
    bool LeftPartHit = false;

    void Arm(StripRef strip, QPoint boardPoint)
    {
        Strip = strip;
        Point = boardPoint;
        RightPartHit = false;
        LeftPartHit = false;
    }
    // After the probing redraw: the point goes back to (0, 0), the strip to (-1, -1).
    void Disarm()
    {
        Point = QPoint(0, 0);
        Strip = StripRef{-1, -1};
    }
    bool IsArmed() const { return Point.x() > 0; }
    // Only the strip the click was aimed at answers, so an overlapping
    // neighbour drawn earlier cannot claim the click.
    bool Targets(StripRef strip) const { return IsArmed() && (Strip.Column < 0 || Strip == strip); }
};

} // namespace sw
