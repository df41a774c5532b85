#pragma once

#include <QFont>
#include <QString>

namespace tkv::platform {

// The program's fixed-pitch face. Settings keep the Windows face names; on
// Linux they are substituted by the IPA fonts, whose half-width glyphs are
// exactly half the full-width ones, so fixed-width lists line up.
inline const char* const GridFontName = "ＭＳ ゴシック";
inline const char* const ProportionalFontName = "ＭＳ Ｐゴシック";

// Registers the substitutions once (call after the application exists).
void InstallFontSubstitutions();

// A font by its stored face name and size in points.
QFont FontFor(const QString& faceName, int pointSize);
QFont GridFont();  // "ＭＳ ゴシック" 9 pt

}  // namespace tkv::platform
