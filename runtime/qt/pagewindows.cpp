// SPDX-License-Identifier: MIT
#include "runtime/qt/pagewindows.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cmath>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>
#include <functional>

namespace runtime::platform {

namespace {

// Qt for WebAssembly takes the page's font resolution from here, and Qt
// draws everything in proportion to it: text, widgets and their frames.
EM_JS(void, setPageFontDpi, (double dpi), { Module['qtFontDpi'] = dpi; });

constexpr qreal pageDpi = 96;
// Left free around the windows on a phone, in CSS pixels.
constexpr qreal phoneMargin = 8;

bool isFramed(const QWidget *window)
{
    return window->isWindow() &&
           (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
}

// A phone or a small tablet, either way up.
bool smallTouchScreen()
{
    const emscripten::val screen = emscripten::val::global("screen");
    const double shorter = std::min(screen["width"].as<double>(), screen["height"].as<double>());
    return emscripten::val::global("navigator")["maxTouchPoints"].as<int>() > 0 && shorter < 600;
}

} // namespace

std::vector<QWidget *> shownWindows()
{
    std::vector<QWidget *> shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && isFramed(window))
            shown.push_back(window);
    }
    return shown;
}

PageWindowManager::PageWindowManager(QObject *parent)
    : QObject(parent), m_smallTouchScreen(smallTouchScreen())
{
    QScreen *screen = QGuiApplication::primaryScreen();
    connect(screen, &QScreen::geometryChanged, this, [this, screen] {
        if (!m_fitting)
            place(screen);
    });
}

bool PageWindowManager::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !isFramed(widget))
        return false;
    if (event->type() == QEvent::Show) {
        place(widget->screen());
    } else if (event->type() == QEvent::Hide && widget->windowType() == Qt::Dialog) {
        for (QWidget *window : shownWindows()) {
            if (window != widget) {
                window->activateWindow();
                break;
            }
        }
    }
    return false;
}

void PageWindowManager::place(QScreen *screen)
{
    if (m_smallTouchScreen) {
        fit(screen);
        // A change of the page's size that was on its way before the scale
        // changed gives the screen the size it had at the old scale.
        const QPlatformScreen *page = screen->handle();
        const QSizeF expected = QSizeF(page->geometry().size()) / m_scale;
        if (std::abs(expected.width() - screen->geometry().width()) > 1 ||
            std::abs(expected.height() - screen->geometry().height()) > 1) {
            atOnce([screen, page] {
                QWindowSystemInterface::handleScreenGeometryChange(screen, page->geometry(),
                                                                   page->availableGeometry());
            });
        }
    }
    for (QWidget *window : shownWindows()) {
        const QRect frame = window->frameGeometry();
        const QPoint centre = screen->availableGeometry().center();
        window->move(centre - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

void PageWindowManager::fit(QScreen *screen)
{
    // In CSS pixels: the page's part the program draws on, and the windows'
    // frames, which the page draws at a fixed size; in pixels of the windows
    // themselves, the largest window.
    const QSizeF page = screen->handle()->geometry().size();
    QSizeF largest;
    QMarginsF frame;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!isFramed(window))
            continue;
        // A window not shown yet takes this size when it is.
        largest = largest.expandedTo(window->isVisible() ? window->size() : window->sizeHint());
        const QWindow *handle = window->windowHandle();
        if (window->isVisible() && handle && handle->handle())
            frame = handle->handle()->frameMargins();
    }
    if (largest.isEmpty())
        return;
    const QSizeF room = page.shrunkBy(frame) - QSizeF(2 * phoneMargin, 2 * phoneMargin);
    const qreal scale =
        std::max(1.0, std::min(room.width() / largest.width(), room.height() / largest.height()));
    if (std::abs(scale - m_scale) < 0.01)
        return;

    m_scale = scale;
    setPageFontDpi(pageDpi * scale);
    const std::vector<QWidget *> shown = shownWindows();
    std::vector<QSize> sizes;
    for (const QWidget *window : shown)
        sizes.push_back(window->size());
    atOnce([&] {
        QWindowSystemInterface::handleScreenLogicalDotsPerInchChange(screen, pageDpi * scale,
                                                                     pageDpi * scale);
        // The page keeps each window's size in CSS pixels; each takes its own
        // size back instead, drawn larger.
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (QPlatformWindow *window = shown[i]->windowHandle()->handle()) {
                const QRect onPage = window->geometry();
                window->setGeometry(QRect(onPage.topLeft(), (QSizeF(sizes[i]) * scale).toSize()));
            }
        }
    });
}

void PageWindowManager::atOnce(const std::function<void()> &tell)
{
    m_fitting = true;
    QWindowSystemInterface::setSynchronousWindowSystemEvents(true);
    tell();
    QWindowSystemInterface::setSynchronousWindowSystemEvents(false);
    m_fitting = false;
}

} // namespace runtime::platform
