#include "platform/fonts.h"

#include <QStringList>

namespace tkv::platform {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(
        QString::fromUtf8(GridFontName),
        QStringList{"IPAGothic", "IPAexGothic", "Noto Sans Mono CJK JP", "monospace"});
    QFont::insertSubstitutions(
        QString::fromUtf8(ProportionalFontName),
        QStringList{"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "sans-serif"});
}

QFont FontFor(const QString& faceName, int pointSize) {
    QFont f(faceName);
    f.setPointSize(pointSize > 0 ? pointSize : 9);
    f.setStyleHint(faceName == QString::fromUtf8(GridFontName) ? QFont::TypeWriter
                                                               : QFont::AnyStyle);
    return f;
}

QFont GridFont() {
    return FontFor(QString::fromUtf8(GridFontName), 9);
}

QFont StyledFont(const QString& faceName, int pointSize, int styleBits) {
    QFont f = FontFor(faceName, pointSize);
    f.setBold((styleBits & 1) != 0);
    f.setItalic((styleBits & 2) != 0);
    f.setUnderline((styleBits & 4) != 0);
    f.setStrikeOut((styleBits & 8) != 0);
    return f;
}

int StyleBitsOf(const QFont& font) {
    return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
           (font.strikeOut() ? 8 : 0);
}

}  // namespace tkv::platform
