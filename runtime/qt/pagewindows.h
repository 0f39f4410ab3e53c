// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QScreen;
class QWidget;

namespace runtime::platform {

// The program's windows and dialogs that are showing.
std::vector<QWidget *> shownWindows();

// A page has no window manager, so the program does its work: every window
// and dialog is centred on the part of the page the program draws on, and
// when a dialog closes, a window still showing takes the keyboard back. On a
// phone's small touch screen, every window is drawn larger, by one factor
// that fits the largest of them to the page, and fitted again when the page
// changes its size (the phone is turned).
class PageWindowManager final : public QObject
{
public:
    explicit PageWindowManager(QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Fits the windows to the page where it is a small touch screen, and
    // centres every window showing.
    void place(QScreen *screen);
    void fit(QScreen *screen);
    // Tells Qt of a change to the page and has it taken in before returning,
    // so that the windows are placed anew at once.
    void atOnce(const std::function<void()> &tell);

    // How much larger than its own size the program draws, in CSS pixels
    // per pixel of its windows.
    qreal m_scale = 1;
    bool m_smallTouchScreen = false;
    // While Qt takes in a change of ours, its screen's changes are ours too.
    bool m_fitting = false;
};

} // namespace runtime::platform
