#include "Graphics.h"

#include <cstdlib>

QFont MakeFont(const QString& name, int height, TFontStyle style)
{
    QFont font(name);
    font.setPixelSize(std::abs(height));
    font.setBold(style == TFontStyle::Bold);
    return font;
}

void InstallFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
}
