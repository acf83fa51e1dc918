#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace zendrova {

// Geometry of the picture control: where its bar buttons go, how much room the
// picture gets, and where the picture lands inside that room. Pure arithmetic,
// so every case can be checked without a screen.
class PictureLayout
{
public:
    static constexpr int kBarHeight = 20;
    static constexpr int kWideButton = 44;
    static constexpr int kNarrowButton = 24;
    static constexpr int kButtonTop = 2;
    static constexpr int kAreaMargin = 4;

    enum Button { Clear, Load, Save, Zoom, Capture, ButtonCount };

    struct BarButton
    {
        bool visible = false;
        QRect geometry;
        QString caption;
    };

    struct Bar
    {
        int buttonWidth = 0;
        int gap = 0;
        std::array<BarButton, ButtonCount> buttons;
    };

    struct Fit
    {
        QRect image; // inside the display area
        QSize scrollRange; // empty when the picture is scaled
    };

    // The bar's buttons for a control of this width; the Zoom button is left out with autoZoom.
    static Bar bar(
        int controlWidth, bool autoZoom, const std::array<QString, ButtonCount> &captions);
    // The scroll box fills the control above the bar.
    static QSize scrollBox(QSize control, bool showButtons);
    static QSize displayArea(QSize scrollBox);
    // Where a picture of this size is shown in the area.
    static Fit fit(QSize picture, QSize area, bool scaled, bool autoZoom, bool enlarge);
};

} // namespace zendrova
