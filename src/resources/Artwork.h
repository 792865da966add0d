#pragma once

#include <QIcon>
#include <QPixmap>

// Bitmap_1, the splash picture: 200 x 200 pixels, 16 colours.
QPixmap splashPicture();
// ICON_1, the main window's icon: 32 x 32, 16 colours, with larger smooth sizes of the same
// drawing (48 to 256) for desktops that want them.
QIcon programIcon();
