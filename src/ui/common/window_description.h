// The main window as both front ends build it: its caption, its four
// controls with their places in twips (1440 to the inch), their texts and the
// tab order. No toolkit here; each front end turns it into its own window.
#pragma once

#include <array>
#include <string_view>

#include "texts/texts.h"

namespace ui {

struct TwipsRect {
  int left, top, width, height;
};

struct PixelRect {
  int left, top, width, height;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

enum class ControlKind { Label, ListBox, TextBox, CommandButton };

struct ControlDescription {
  std::string_view name;
  ControlKind kind;
  TwipsRect place;
  int tabIndex;
  std::string_view text;  // the label's and the button's caption, the path field's text
};

constexpr int kTwipsPerInch = 1440;

// Twips to pixels at `dpi` dots per inch, rounded half up: 4695 twips are 313
// pixels at 96 DPI and 470 at 144.
constexpr int toPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }
constexpr PixelRect toPixels(const TwipsRect& r, int dpi) {
  return {toPixels(r.left, dpi), toPixels(r.top, dpi), toPixels(r.width, dpi), toPixels(r.height, dpi)};
}

constexpr std::string_view kCaption = "Speech.mul by Quorrin";
constexpr TwipsRect kClientArea = {0, 0, 4695, 6015};

constexpr ControlDescription kLabel1 = {
    "Label1", ControlKind::Label, {120, 120, 4410, 195}, 3, "Speech ID - SpeechText"};
constexpr ControlDescription kLstWords = {"lstWords", ControlKind::ListBox, {120, 360, 4455, 4545}, 0, ""};
constexpr ControlDescription kTxtPath = {
    "txtPath", ControlKind::TextBox, {120, 5040, 4455, 285}, 1, "c:\\program files\\kestrel haven\\speech.mul"};
constexpr ControlDescription kCmdGet = {"cmdGet", ControlKind::CommandButton, {120, 5760, 4455, 255}, 2, "Get"};

// The controls that take the focus, in tab order; the label takes none.
constexpr std::array<const ControlDescription*, 3> kTabOrder = {&kLstWords, &kTxtPath, &kCmdGet};

// The name assistive technology announces for the path field, which has no
// label of its own.
constexpr texts::Source kPathFieldName = SPEECH_TEXT("window", "Path of the speech file");

}  // namespace ui
