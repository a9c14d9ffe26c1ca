#pragma once

// Tab and Shift+Tab, also with Ctrl, leave every grid and list of the program for the next or
// the previous control; the arrows move inside them. Installed once for the whole application.
void tabEsceDalleGriglie();
