// SPDX-License-Identifier: MIT
#include "window/formwindow.h"

#include "runtime/frontend.h"
#include "runtime/project.h"
#include "runtime/windowtemplate.h"
#include "window/formtemplate.h"

#include <utility>

using formtemplate::Command1;
using formtemplate::Label1;

FormWindow::FormWindow(runtime::Services &services, runtime::WindowEvents &events,
                       std::function<void()> timer1Ticked)
    : Timer1(services.frontEnd, services.dialogs, std::move(timer1Ticked)),
      m_window(services.frontEnd.makeWindow(formtemplate::form1(), events)),
      m_feedback(formtemplate::form1().controls.at(formtemplate::Label2).caption),
      m_tally(formtemplate::form1().controls.at(formtemplate::Label3).caption)
{}

FormWindow::~FormWindow() = default;

bool FormWindow::markVisible(int index) const
{
    // A mark set to show is visible even while the window is still hidden
    // during its load.
    return m_marks.at(index);
}

void FormWindow::setMarkVisible(int index, bool visible)
{
    m_marks.at(index) = visible;
    m_window->setVisible(Label1(index), visible);
}

void FormWindow::setFeedback(const std::u16string &text)
{
    m_feedback = text;
    m_window->setCaption(formtemplate::Label2, text);
}

void FormWindow::setTally(const std::u16string &text)
{
    m_tally = text;
    m_window->setCaption(formtemplate::Label3, text);
}

void FormWindow::show()
{
    m_window->show();
}

void FormWindow::describe()
{
    m_window->setDescription(runtime::Window::windowItself, markPlace());
    for (int i = 0; i < 3; ++i)
        m_window->setDescription(Command1(i), m_tally);
}

void FormWindow::announceClick()
{
    // The news first: a reader works through the window's events in order.
    m_window->announce(m_feedback + u' ' + markPlace());
    describe();
}

std::u16string FormWindow::markPlace() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_marks[i])
            return formtemplate::form1().controls.at(Label1(i)).description;
    }
    return {};
}
