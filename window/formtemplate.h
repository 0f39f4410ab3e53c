// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <chrono>

// Everything every load of the form's window is made from. Positions and
// sizes are in twips, from the top left of the client area.
namespace formtemplate {

// At 96 dots per inch a pixel is 15 twips. The result is in Qt's
// device-independent pixels, which Qt scales up on denser screens.
constexpr int twipsPerPixel = 15;
constexpr QRect toPixels(QRect twips)
{
    return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
            twips.height() / twipsPerPixel};
}
constexpr QSize toPixels(QSize twips)
{
    return {twips.width() / twipsPerPixel, twips.height() / twipsPerPixel};
}

struct Control
{
    const char *caption;
    QRect twips;
    qreal pointSize;
    QFont::Weight weight;
};

inline constexpr char caption[] = "Zapgrid by Brevanno";
inline constexpr QSize clientTwips{3825, 2745};
inline constexpr char mnuResetCaption[] = "&Reset!";
inline constexpr char mnuEndCaption[] = "&End";

// Indexed by position: 0 Left, 1 Middle, 2 Right. Their tab order is by
// position too.
inline constexpr Control Command1[3] = {
    {"Left!", {480, 840, 735, 495}, 13.5, QFont::Normal},
    {"Middle!", {1320, 840, 1095, 495}, 13.5, QFont::Normal},
    {"Right!", {2520, 840, 855, 495}, 13.5, QFont::Normal},
};
// The "HIT!" marks above the buttons; all hidden on load.
inline constexpr Control Label1[3] = {
    {"HIT!", {480, 120, 855, 495}, 18, QFont::Bold},
    {"HIT!", {1440, 120, 855, 495}, 18, QFont::Bold},
    {"HIT!", {2520, 120, 855, 495}, 18, QFont::Bold},
};
// The feedback, and the tally with its text centred.
inline constexpr Control Label2 = {"Oops!", {1560, 1560, 975, 375}, 13.5, QFont::Normal};
inline constexpr Control Label3 = {"0 Correct of 0", {240, 2160, 3375, 375}, 13.5, QFont::Normal};

inline constexpr std::chrono::milliseconds Timer1Interval{60000};

// In order of preference: the first that the system has is used. The face the
// layout was drawn for is Windows' own, "Microsoft Sans Serif" today. Elsewhere
// Liberation Sans keeps Arial's metrics, close to it, and fits every caption
// at its size; DejaVu Sans is wider but is on nearly every system.
QStringList fontFamilies();

} // namespace formtemplate
