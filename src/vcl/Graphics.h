#pragma once
// Fonts as the layout names them.
#include <QFont>
#include <QString>

enum class TFontStyle { Regular, Bold };

// `height` is the character height in pixels, written negative as the layout
// writes it; pixels at 96 dpi, which Qt's high-DPI scaling scales with the rest.
QFont MakeFont(const QString& name, int height, TFontStyle style = TFontStyle::Regular);

// Maps the layout's Japanese fonts to the metric-compatible IPA fonts.
void InstallFontSubstitutes();
