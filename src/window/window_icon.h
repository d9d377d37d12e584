#pragma once

#include <QImage>

namespace umrak::ui {

// The program's icon as the program links it in: 32 by 32 pixels, stored as
// plain bytes (red, green, blue, alpha; rows from the top), so that showing
// it decodes nothing. Reading a PNG would first have Qt open every image
// format plugin installed to see whether one of them reads PNG. A null image
// where the icon is not linked in, as in the window tests.
QImage linkedWindowIcon();

}  // namespace umrak::ui
