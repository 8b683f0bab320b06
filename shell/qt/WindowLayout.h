#pragma once
// Where the main window puts its picture and how small it may be. The control panel keeps the
// 1036-pixel design (centred in a wider window); the picture below it is centred in the room left
// and, where that room is smaller than the design, scaled down to fit, never up: a picture shown
// larger than drawn would only be blurred.

#include <QRect>
#include <QSize>

class QWidget;

#include "shell/app/PictureArea.h"

namespace esc::qt {

// The picture area as drawn: the design below the panel.
inline constexpr int kPictureWidth = app::kDesignWidth, kPictureHeight = app::kDesignHeight - app::kPictureAreaTop;
// The narrowest canvas that shows every control of the panel at its design width (the rightmost
// ends at 1009).
inline constexpr int kDesignPanelWidth = 1016;
// Narrower than that the panel closes up (PanelSqueeze): the blazon box gives up to
// kMemoGive pixels, then the surname box the rest, down to this width. A 1920 by 1200 screen at
// a scale of 2 (960 wide less the frame) holds it.
inline constexpr int kMemoGive = 51;
inline constexpr int kMinCanvasWidth = 880;
// The smallest scale the picture is shown at; it sets the lowest canvas, low enough for a
// 1200-pixel screen at a scale of 2 (600 less the panels and bars).
inline constexpr double kMinPictureScale = 0.5;

// How far the panel's controls close up in a canvas `width` wide: the blazon box and its group
// narrow by `memo` and the search panel, the toolbar and the auto button move left by as much;
// the surname box narrows by `surname` and the buttons beside it move left by as much.
struct PanelSqueeze {
    int memo = 0, surname = 0;
};
PanelSqueeze SqueezeFor(int width);
// Room left on the screen for the window manager's title bar and frame, which a window cannot
// measure before it is shown.
inline constexpr int kFrameAllowance = 32;

// The picture's rectangle in a canvas of `canvas` size.
QRect PictureRect(QSize canvas);
// The smallest canvas: the panel whole and the picture at kMinPictureScale.
QSize MinimumCanvas();
// The canvas a new window takes on a screen with `available` room, when the menu and status
// bars take `barsHeight`: the design where it fits, else what fits (never under the minimum).
QSize InitialCanvas(QSize available, int barsHeight);

// Dialogs open in the middle of the main window, wherever it is (a dialog smaller than the
// window is then as much on the screen as the window).
void CentreOn(QWidget& dialog, const QWidget& window);
// The picture viewer stands beside the shield, not over it: in the middle of the wider side
// strip of the window when it fits there, else centred on the window; in both cases halfway
// down the window. `shield` is the shield's rectangle on the screen.
void PlaceBeside(QWidget& dialog, const QWidget& window, QRect shield);

}  // namespace esc::qt
