#pragma once

// The planner's grid as a screen reader finds it: the corner button with its caption, then the
// day headings, then row by row the technician's name and his days (Qt's own table interface
// puts a nameless pane in the corner). Installed once, for every planner grid.
void rendiAccessibileGrigliaPlanning();
