// Fonts of the window and of the printed report. The layout names Windows
// faces (宋体, MS Sans Serif, Microsoft Sans Serif); where a face is missing the
// font falls back to installed CJK faces of the same kind (AR PL UMing for the
// serif 宋体, WenQuanYi Zen Hei for the sans faces), so every caption can show.
#pragma once

#include <QFont>
#include <QStringList>
#include <string>

#include "ui/qt/form_layout.h"

namespace velmora {

/// The serif faces in order of preference: 宋体 and its substitutes.
QStringList serifFaces();
/// The sans faces in order of preference, for MS Sans Serif and Microsoft Sans Serif.
QStringList sansFaces();

/// The monospace faces in order of preference: a CJK monospace face first (Noto
/// Sans Mono CJK, from fonts-noto-cjk), whose Chinese characters are two columns
/// wide, so that a table of Chinese and figures lines up; then the system's.
QStringList monoFaces();

/// The worksheet's faces: DejaVu Serif (fonts-dejavu-core) for Latin letters and figures, whose text a
/// PDF reader extracts whole (digits in Noto CJK's Latin runs come out of Qt's PDF without their text),
/// then Noto Serif CJK and Noto Sans CJK (fonts-noto-cjk) for Chinese, then the serif faces.
QStringList worksheetFaces();

/// The bold font of a control's font code, sized in points.
QFont formFont(FormFont font);

/// The report's font: `faceName` first, then the serif faces; the empty name
/// selects the serif faces alone, which can show the Chinese texts.
QFont printFont(const std::string& faceName, int points);

}  // namespace velmora
