// The main window's fixed layout, the one place that holds it: every label,
// field, button and line with its position in twips (1/1440 inch) from the
// client area's top left corner, its caption, font code and colours.
// 15 twips make one device-independent pixel; fonts are given in points.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kFormCaption = "Velmora";
inline constexpr int kTwipsPerPixel = 15;
/// The controls reach this far; the client area must hold at least this much.
inline constexpr int kLayoutWidthTwips = 14175;
inline constexpr int kLayoutHeightTwips = 10320;

/// Device-independent pixels for a length in twips.
constexpr int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kFormBackground{255, 255, 192};

/// Face and size of a control's font; every control's type is bold.
enum class FormFont {
  SongTi9,               ///< 宋体 (SimSun) 9 pt
  MsSansSerif8,          ///< MS Sans Serif 8.25 pt
  MsSansSerif13,         ///< MS Sans Serif 13.5 pt
  MicrosoftSansSerif8,   ///< Microsoft Sans Serif 8.25 pt
  MicrosoftSansSerif10,  ///< Microsoft Sans Serif 9.75 pt
  MicrosoftSansSerif14,  ///< Microsoft Sans Serif 14.25 pt
};

enum class ControlKind { Label, Field, Button };

/// Where a label, field or button stands on the form, and how it looks.
struct ControlPlacement {
  std::string_view name;  ///< "Label1", "Text1", "Command1", ...
  ControlKind kind;
  std::string_view caption;  ///< UTF-8, blanks significant; empty for a field
  int leftTwips;
  int topTwips;
  int widthTwips;
  int heightTwips;
  FormFont font;
  std::optional<Rgb> buttonColour = std::nullopt;  ///< none: the platform's button colour
};

/// A straight line drawn on the form's background.
struct LinePlacement {
  std::string_view name;
  int x1Twips;
  int y1Twips;
  int x2Twips;
  int y2Twips;
  Rgb colour;
  int widthPixels;
};

/// The 60 labels, 26 fields and 3 buttons.
std::span<const ControlPlacement> formControls();
/// Line1 to Line15: the frame of the results panel and the figure's diagram.
std::span<const LinePlacement> formLines();
/// The fields and buttons in the order they take the keyboard focus; the first
/// has the focus when the window opens.
std::span<const std::string_view> focusOrder();

}  // namespace velmora
