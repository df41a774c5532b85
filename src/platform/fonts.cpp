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

}  // namespace tkv::platform
