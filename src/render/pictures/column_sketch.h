// The sketch of a rectification column on the first page of the pictures:
// still with its reboiler below, the trays with their numbers, feed
// streams F1.. on the left, takeoffs S1.. on the right, the top with the
// dephlegmator and its cooling water, and the reflux line back to the top tray.
#pragma once

class QPainter;

namespace vexilor::render {

struct PictorialData;

//! Height of tray i of a sketch with its base line at y: tray 0 is just
//! above the still's dome, tray N+1 the reflux level under the top.
int TrayLevel(int y, int domeHeight, int trayPitch, int tray);

//! Draws the column with its base line at (x, y); x is the column's left
//! wall, the reboiler and the feed labels stand left of it.
void DrawColumn(QPainter& painter, const PictorialData& data, int x, int y, int trayPitch,
                int domeHeight);

}  // namespace vexilor::render
