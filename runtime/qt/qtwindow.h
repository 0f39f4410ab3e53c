// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/frontend.h"
#include "runtime/qt/deletelater.h"

#include <QMainWindow>

#include <vector>

class QAction;

namespace runtime {
struct WindowTemplate;
}

namespace runtime::qt {

class StatusLabel;

// A window's top-level widget: it tells of the title bar's close control
// rather than closing by itself.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    using QMainWindow::QMainWindow;

Q_SIGNALS:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
};

// One load of a window on Qt Widgets, laid out from its template: a pixel for
// every 15 twips, in Qt's device-independent pixels, which Qt scales up on
// denser screens.
class QtWindow final : public Window
{
public:
    QtWindow(const WindowTemplate &layout, WindowEvents &events);
    ~QtWindow() override;

    void setCaption(int control, std::u16string_view text) override;
    void setVisible(int control, bool visible) override;
    void setDescription(int control, std::u16string_view text) override;
    void show() override;
    void announce(std::u16string_view news) override;

    // The widgets, for tests and benchmarks, by their index in the template.
    QMainWindow *widget() const { return m_window.get(); }
    QWidget *control(int index) const { return m_controls.at(index); }
    QAction *menuItem(int index) const { return m_menu.at(index); }

private:
    void placeControls(const WindowTemplate &layout, QWidget *client);
    void orderTabs(const WindowTemplate &layout);
    void wire(WindowEvents &events);

    LaterPointer<MainWindow> m_window;
    std::vector<QWidget *> m_controls;
    std::vector<QAction *> m_menu;
    StatusLabel *m_status = nullptr;
    // The context of the connections to the game: they end with this load,
    // while its widgets may wait a little to be deleted.
    QObject m_wiring;
};

} // namespace runtime::qt
