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

// A report font by its stored face, size and style bits (bit 0 bold, bit 1
// italic, bit 2 underline, bit 3 strike-out), and the bits of a font.
QFont StyledFont(const QString& faceName, int pointSize, int styleBits);
int StyleBitsOf(const QFont& font);

}  // namespace tkv::platform
