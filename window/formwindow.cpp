// SPDX-License-Identifier: MIT
#include "window/formwindow.h"

#include "runtime/gameclock.h"
#include "window/formtemplate.h"
#include "window/tallylabel.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {

template <typename Widget> Widget *place(QWidget *client, const formtemplate::Control &control)
{
    auto *widget = new Widget(QString::fromLatin1(control.caption), client);
    widget->setGeometry(formtemplate::toPixels(control.twips));
    QFont font = widget->font();
    font.setFamilies(formtemplate::fontFamilies());
    font.setPointSizeF(control.pointSize);
    font.setWeight(control.weight);
    widget->setFont(font);
    return widget;
}

template <typename Label = QLabel>
Label *placeLabel(QWidget *client, const formtemplate::Control &control,
                  Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = place<Label>(client, control);
    // Labels show their text as it is: no markup, no access keys.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

} // namespace

FormWindow::FormWindow(const std::function<runtime::GameClock *(QObject *)> &makeClock)
    : Timer1(makeClock(this))
{
    // A fixed layout: the title bar offers close and minimise, not maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromLatin1(formtemplate::caption));

    mnuReset = menuBar()->addAction(QString::fromLatin1(formtemplate::mnuResetCaption));
    mnuEnd = menuBar()->addAction(QString::fromLatin1(formtemplate::mnuEndCaption));

    auto *client = new QWidget(this);
    client->setFixedSize(formtemplate::toPixels(formtemplate::clientTwips));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 3; ++i) {
        Command1[i] = place<QPushButton>(client, formtemplate::Command1[i]);
        Command1[i]->setAutoDefault(false);
        Label1[i] = placeLabel(client, formtemplate::Label1[i]);
        Label1[i]->hide();
        // Three marks read alike; a screen reader tells them apart by this,
        // and which one shows by its visible state.
        Label1[i]->setAccessibleDescription(tr("Mark above %1").arg(Command1[i]->text()));
    }
    Label2 = placeLabel(client, formtemplate::Label2);
    Label2->setAccessibleDescription(tr("Feedback"));
    Label3 = placeLabel<TallyLabel>(client, formtemplate::Label3, Qt::AlignHCenter);
    Label3->setAccessibleDescription(tr("Tally"));

    setTabOrder(Command1[0], Command1[1]);
    setTabOrder(Command1[1], Command1[2]);
    Command1[0]->setFocus();
}

void FormWindow::describe()
{
    setAccessibleDescription(markPlace());
    for (QPushButton *button : Command1)
        button->setAccessibleDescription(Label3->text());
}

void FormWindow::announceClick()
{
    // The news first: a reader works through the window's events in order.
    Label3->announce(Label2->text() + QLatin1Char(' ') + markPlace());
    describe();
}

QString FormWindow::markPlace() const
{
    for (const QLabel *mark : Label1) {
        if (!mark->isHidden())
            return mark->accessibleDescription();
    }
    return {};
}

bool FormWindow::event(QEvent *event)
{
    // No game time passes while one of the program's modal dialogs is open.
    if (event->type() == QEvent::WindowBlocked)
        Timer1->pause();
    else if (event->type() == QEvent::WindowUnblocked)
        Timer1->resume();
    return QMainWindow::event(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closeRequested();
}
