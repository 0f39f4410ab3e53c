// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QPushButton;
class TallyLabel;

namespace runtime {
class GameClock;
}

// One load of the form's window: its controls as the template makes them,
// named as the game knows them. It holds no game logic; Form1 wires its events.
class FormWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit FormWindow(const std::function<runtime::GameClock *(QObject *)> &makeClock);

    std::array<QPushButton *, 3> Command1{};
    std::array<QLabel *, 3> Label1{};
    QLabel *Label2 = nullptr;
    TallyLabel *Label3 = nullptr;
    QAction *mnuReset = nullptr;
    QAction *mnuEnd = nullptr;
    // Stopped until the game starts it.
    runtime::GameClock *Timer1 = nullptr;

    // What a screen reader says of the game besides the controls' own texts:
    // the window's description says where the mark is (read as the window
    // appears), and the buttons' description gives the tally (read with the
    // focused button). describe() brings both up to date.
    void describe();
    // Tells a screen reader at once the click's feedback and where the mark
    // went, then describes the window anew.
    void announceClick();

Q_SIGNALS:
    // The player closed the window with the title bar's close control.
    void closeRequested();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // "Mark above Middle!"
    QString markPlace() const;
};
