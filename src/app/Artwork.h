#pragma once
// The program's own pictures, drawn in code: tool bar glyphs, the application icon and the
// background tile of the main window.

#include <QIcon>
#include <QPixmap>

// Glyph by its index in the tool bar's image list: 0 new, 1 open, 2 print, 3 save, 4 radio,
// 5 write, 6 help, 7 read, 8 channel edit.
QIcon ToolGlyph(int index);
QIcon ApplicationIcon();
QPixmap BackgroundTile();
