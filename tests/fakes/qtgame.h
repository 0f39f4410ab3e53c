// SPDX-License-Identifier: MIT
#pragma once

#include "fakes/gamefixture.h"
#include "fakes/qttestfrontend.h"
#include "window/formtemplate.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

// The game on real widgets, reached by the names the game knows them by.
class QtGame : public GameFixture<QtTestFrontEnd>
{
public:
    using GameFixture::GameFixture;

    // The loaded window's widgets; nullptr while the form is unloaded.
    runtime::qt::QtWindow *qtWindow() const { return loaded() ? frontEnd.window : nullptr; }
    QMainWindow *window() const { return qtWindow() ? qtWindow()->widget() : nullptr; }
    QPushButton *button(int index) const
    {
        return static_cast<QPushButton *>(qtWindow()->control(formtemplate::Command1(index)));
    }
    QLabel *mark(int index) const
    {
        return static_cast<QLabel *>(qtWindow()->control(formtemplate::Label1(index)));
    }
    QLabel *feedback() const
    {
        return static_cast<QLabel *>(qtWindow()->control(formtemplate::Label2));
    }
    QLabel *tally() const
    {
        return static_cast<QLabel *>(qtWindow()->control(formtemplate::Label3));
    }
    QAction *mnuReset() const { return qtWindow()->menuItem(formtemplate::mnuReset); }
    QAction *mnuEnd() const { return qtWindow()->menuItem(formtemplate::mnuEnd); }

    // The marks as the widgets show them.
    int shownTarget() const
    {
        for (int i = 0; i < 3; ++i)
            if (!mark(i)->isHidden())
                return i;
        return -1;
    }
    int visibleMarks() const
    {
        int count = 0;
        for (int i = 0; i < 3; ++i)
            count += mark(i)->isHidden() ? 0 : 1;
        return count;
    }
};
