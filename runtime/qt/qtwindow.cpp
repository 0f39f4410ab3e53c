// SPDX-License-Identifier: MIT
#include "runtime/qt/qtwindow.h"

#include "runtime/qt/statuslabel.h"
#include "runtime/qt/text.h"
#include "runtime/windowtemplate.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

namespace runtime::qt {

namespace {

// At 96 dots per inch a pixel is 15 twips.
constexpr int twipsPerPixel = 15;

QRect toPixels(const Twips &twips)
{
    return {twips.left / twipsPerPixel, twips.top / twipsPerPixel, twips.width / twipsPerPixel,
            twips.height / twipsPerPixel};
}

// In order of preference: the first that the system has is used. The face the
// layout was drawn for is Windows' own, "Microsoft Sans Serif" today.
// Elsewhere Liberation Sans keeps Arial's metrics, close to it, and fits every
// caption at its size; DejaVu Sans is wider but is on nearly every system.
QStringList faces(const WindowTemplate &layout)
{
    QStringList families{toQString(layout.fontFace)};
    if (layout.fontFace == u"MS Sans Serif")
        families =
            QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    return families;
}

QWidget *makeControl(const ControlTemplate &control, QWidget *client)
{
    const QString caption = toQString(control.caption);
    QWidget *widget = nullptr;
    if (control.kind == ControlKind::PushButton) {
        auto *button = new QPushButton(caption, client);
        button->setAutoDefault(false);
        widget = button;
    } else {
        QLabel *label = control.kind == ControlKind::StatusLabel ? new StatusLabel(caption, client)
                                                                 : new QLabel(caption, client);
        // Labels show their text as it is: no markup, no access keys.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        widget = label;
    }
    widget->setGeometry(toPixels(control.place));
    if (!control.visible)
        widget->hide();
    widget->setAccessibleDescription(toQString(control.description));
    return widget;
}

} // namespace

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closeRequested();
}

QtWindow::QtWindow(const WindowTemplate &layout, WindowEvents &events) : m_window(new MainWindow)
{
    // A fixed layout: the title bar offers close and minimise, not maximise.
    m_window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowCloseButtonHint);
    m_window->setWindowTitle(toQString(layout.caption));
    for (const std::u16string &item : layout.menu)
        m_menu.push_back(m_window->menuBar()->addAction(toQString(item)));

    auto *client = new QWidget(m_window.get());
    client->setFixedSize(toPixels({0, 0, layout.clientWidth, layout.clientHeight}).size());
    m_window->setCentralWidget(client);
    m_window->layout()->setSizeConstraint(QLayout::SetFixedSize);

    placeControls(layout, client);
    orderTabs(layout);
    wire(events);
}

void QtWindow::placeControls(const WindowTemplate &layout, QWidget *client)
{
    const QStringList families = faces(layout);
    for (const ControlTemplate &control : layout.controls) {
        QWidget *widget = makeControl(control, client);
        QFont font = widget->font();
        font.setFamilies(families);
        font.setPointSizeF(control.pointSize);
        font.setWeight(control.bold ? QFont::Bold : QFont::Normal);
        widget->setFont(font);
        m_controls.push_back(widget);
        if (auto *status = qobject_cast<StatusLabel *>(widget))
            m_status = status;
    }
}

void QtWindow::orderTabs(const WindowTemplate &layout)
{
    std::vector<std::size_t> buttons;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (layout.controls[i].kind == ControlKind::PushButton)
            buttons.push_back(i);
    }
    std::stable_sort(buttons.begin(), buttons.end(), [&](std::size_t a, std::size_t b) {
        return layout.controls[a].tabIndex < layout.controls[b].tabIndex;
    });
    for (std::size_t i = 1; i < buttons.size(); ++i)
        QWidget::setTabOrder(m_controls[buttons[i - 1]], m_controls[buttons[i]]);
    // Given now, the focus is the window's as it shows.
    if (!buttons.empty())
        m_controls[buttons.front()]->setFocus();
}

QtWindow::~QtWindow() = default;

void QtWindow::wire(WindowEvents &events)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (auto *button = qobject_cast<QPushButton *>(m_controls[i]))
            QObject::connect(button, &QPushButton::clicked, &m_wiring,
                             [&events, i] { events.pressed(int(i)); });
    }
    for (std::size_t i = 0; i < m_menu.size(); ++i)
        QObject::connect(m_menu[i], &QAction::triggered, &m_wiring,
                         [&events, i] { events.menuChosen(int(i)); });
    QObject::connect(m_window.get(), &MainWindow::closeRequested, &m_wiring,
                     [&events] { events.closeRequested(); });
}

void QtWindow::setCaption(int control, std::u16string_view text)
{
    if (auto *label = qobject_cast<QLabel *>(m_controls.at(control)))
        label->setText(toQString(text));
    else if (auto *button = qobject_cast<QPushButton *>(m_controls.at(control)))
        button->setText(toQString(text));
}

void QtWindow::setVisible(int control, bool visible)
{
    m_controls.at(control)->setVisible(visible);
}

void QtWindow::setDescription(int control, std::u16string_view text)
{
    QWidget *widget = control == windowItself ? m_window.get() : m_controls.at(control);
    widget->setAccessibleDescription(toQString(text));
}

void QtWindow::show()
{
    // At the template's size wherever it runs, even where windows are shown
    // full screen by default.
    m_window->showNormal();
    // The keyboard goes to the game as soon as its window is back, even where
    // no window manager hands the focus on from the closed prompt.
    m_window->activateWindow();
}

void QtWindow::announce(std::u16string_view news)
{
    if (m_status)
        m_status->announce(toQString(news));
}

} // namespace runtime::qt
