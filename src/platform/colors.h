#pragma once

#include <QColor>
#include <QPalette>

namespace tkv::platform {

// Stored colours are 0x00BBGGRR, or 0x80000000 + a system colour index.
QColor ToQColor(int stored, const QPalette& palette);
// A plain colour back into the stored form.
int FromQColor(const QColor& color);

// The fixed colours the program paints with.
inline constexpr int RedColor = 0x0000FF;
inline constexpr int BlueColor = 0xFF0000;

}  // namespace tkv::platform
