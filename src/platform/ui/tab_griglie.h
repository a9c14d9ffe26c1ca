#pragma once

// Tab and Shift+Tab leave every grid and list of the program for the next or the previous
// control; the arrows move inside them. Ctrl+Tab and Ctrl+Shift+Tab change the page of a window
// with tabs, wherever the focus is in it (a grid, a combo, a button outside the tabs); in a
// window without tabs they leave a grid as Tab and Shift+Tab do. Installed once for the whole
// application.
void tabEsceDalleGriglie();
