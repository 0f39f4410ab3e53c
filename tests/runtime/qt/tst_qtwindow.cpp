// SPDX-License-Identifier: MIT
#include "fakes/qtgame.h"
#include "runtime/qt/statuslabel.h"
#include "runtime/windowtemplate.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPointer>
#include <QTest>

namespace {

const QString promptLine = QStringLiteral("prompt Your Identity: So, what's your name? [No-Name]");

// Shows the form and makes its window the active one, as a player sees it.
bool start(QtGame &game)
{
    game.show();
    game.window()->activateWindow();
    return QTest::qWaitForWindowActive(game.window());
}

} // namespace

class TestQtWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIsBuiltFromTheTemplate();
    void firstButtonHasTheFocusOnceShown();
    void mouseClicksAreJudged();
    void keyboardPlaysInTabOrder();
    void menuAccessKeysResetAndEnd();
    void closingTheWindowEndsTheProgram();
    void unloadTakesTheWindowAwayAndItsEvents();
    void screenReaderHearsTheNewsAndTheTally();
};

void TestQtWindow::windowIsBuiltFromTheTemplate()
{
    QtGame game;
    QVERIFY(start(game));
    QMainWindow *window = game.window();

    QCOMPARE(window->windowTitle(), QStringLiteral("Zapgrid by Brevanno"));
    QCOMPARE(window->centralWidget()->size(), QSize(255, 183));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(game.mnuReset()->text(), QStringLiteral("&Reset!"));
    QCOMPARE(game.mnuEnd()->text(), QStringLiteral("&End"));

    const QStringList captions = {QStringLiteral("Left!"), QStringLiteral("Middle!"),
                                  QStringLiteral("Right!")};
    const QRect buttons[3] = {{32, 56, 49, 33}, {88, 56, 73, 33}, {168, 56, 57, 33}};
    const QRect marks[3] = {{32, 8, 57, 33}, {96, 8, 57, 33}, {168, 8, 57, 33}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(game.button(i)->text(), captions[i]);
        QCOMPARE(game.button(i)->geometry(), buttons[i]);
        QCOMPARE(game.button(i)->font().pointSizeF(), 13.5);
        QVERIFY(!game.button(i)->font().bold());
        QCOMPARE(game.mark(i)->text(), QStringLiteral("HIT!"));
        QCOMPARE(game.mark(i)->geometry(), marks[i]);
        QCOMPARE(game.mark(i)->font().pointSizeF(), 18.0);
        QVERIFY(game.mark(i)->font().bold());
        QCOMPARE(game.mark(i)->textFormat(), Qt::PlainText);
        // A caption must fit its control in the font actually chosen.
        QVERIFY(game.button(i)->fontMetrics().horizontalAdvance(captions[i]) <
                game.button(i)->width() - 8);
        QVERIFY(game.mark(i)->fontMetrics().horizontalAdvance(QStringLiteral("HIT!")) <=
                game.mark(i)->width());
    }
    // The face is the first of the desktop's stand-ins for the template's
    // that this system has.
    const QStringList installed = QFontDatabase::families();
    const QStringList families = game.button(0)->font().families();
    QCOMPARE(families.first(), QStringLiteral("Microsoft Sans Serif"));
    const auto face = std::find_if(families.begin(), families.end(), [&](const QString &family) {
        return installed.contains(family);
    });
    QVERIFY(face != families.end());
    QCOMPARE(QFontInfo(game.button(0)->font()).family(), *face);
    QCOMPARE(QFontInfo(game.mark(0)->font()).family(), *face);

    QCOMPARE(game.feedback()->geometry(), QRect(104, 104, 65, 25));
    QCOMPARE(game.tally()->geometry(), QRect(16, 144, 225, 25));
    QVERIFY(game.tally()->alignment() & Qt::AlignHCenter);
    QVERIFY(qobject_cast<runtime::qt::StatusLabel *>(game.tally()));

    // Only the buttons take the focus.
    const QList<QWidget *> focusable = [&] {
        QList<QWidget *> widgets;
        for (QWidget *child : window->findChildren<QWidget *>())
            if (child->focusPolicy() != Qt::NoFocus)
                widgets << child;
        return widgets;
    }();
    QCOMPARE(focusable.size(), 3);
    for (QWidget *widget : focusable)
        QVERIFY(qobject_cast<QPushButton *>(widget));
}

void TestQtWindow::firstButtonHasTheFocusOnceShown()
{
    QtGame game;
    bool windowShownDuringPrompt = true;
    game.frontEnd.dialogs.whileOpen = [&] {
        windowShownDuringPrompt = game.window()->isVisible();
    };
    QVERIFY(start(game));
    QVERIFY(!windowShownDuringPrompt);
    QCOMPARE(QApplication::focusWidget(), game.button(0));
    QCOMPARE(game.visibleMarks(), 1);
}

void TestQtWindow::mouseClicksAreJudged()
{
    QtGame game;
    QVERIFY(start(game));
    const int first = game.shownTarget();
    const QStringList words = {QStringLiteral("Left!"), QStringLiteral("Middle!"),
                               QStringLiteral("Right!")};

    QTest::mouseClick(game.button(first), Qt::LeftButton);
    QCOMPARE(game.feedback()->text(), words[first]);
    QVERIFY(game.shownTarget() != first);
    // The same button again: the mark has always moved away from it.
    QTest::mouseClick(game.button(first), Qt::LeftButton);
    QCOMPARE(game.feedback()->text(), QStringLiteral("Oops!"));
    QCOMPARE(game.tally()->text(), QStringLiteral(" 1 correct of 2"));
    QCOMPARE(game.visibleMarks(), 1);

    // The marks take no clicks.
    QTest::mouseClick(game.mark(game.shownTarget()), Qt::LeftButton);
    QCOMPARE(game.state().clicks, qint16(2));
}

void TestQtWindow::keyboardPlaysInTabOrder()
{
    QtGame game;
    QVERIFY(start(game));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(game.state().clicks, qint16(1));
    const qint64 hits = game.state().hits;

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), game.button(2));

    const int target = game.shownTarget();
    game.button(target)->setFocus();
    QTest::keyClick(game.button(target), Qt::Key_Space);
    QCOMPARE(game.state().hits, hits + 1);
    QCOMPARE(game.state().clicks, qint16(2));
}

void TestQtWindow::menuAccessKeysResetAndEnd()
{
    QtGame game;
    game.frontEnd.dialogs.names = {QStringLiteral("Ada"), QStringLiteral("Bob")};
    QVERIFY(start(game));
    QTest::mouseClick(game.button(game.shownTarget()), Qt::LeftButton);
    QPointer<QMainWindow> oldWindow = game.window();

    QTest::keyClick(game.window(), Qt::Key_R, Qt::AltModifier);

    QCOMPARE(game.frontEnd.dialogs.log, QStringList({promptLine, promptLine}));
    QCOMPARE(game.state().clicks, qint16(0));
    QVERIFY(game.window() != oldWindow);
    QVERIFY(game.window()->isVisible());
    QCOMPARE(game.feedback()->text(), QStringLiteral("Oops!"));
    QCOMPARE(game.tally()->text(), QStringLiteral("0 Correct of 0"));
    // The old window and its controls are gone once the event is over.
    QTRY_VERIFY(oldWindow.isNull());

    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    QTest::keyClick(game.window(), Qt::Key_E, Qt::AltModifier);
    QCOMPARE(game.frontEnd.ended, 1);
    QCOMPARE(game.frontEnd.dialogs.log.size(), 2);
}

void TestQtWindow::closingTheWindowEndsTheProgram()
{
    QtGame game;
    QVERIFY(start(game));
    game.window()->close();
    QCOMPARE(game.frontEnd.ended, 1);
    QCOMPARE(game.frontEnd.dialogs.log, QStringList{promptLine});
}

void TestQtWindow::unloadTakesTheWindowAwayAndItsEvents()
{
    QtGame game;
    QVERIFY(start(game));
    QPointer<QMainWindow> window = game.window();
    QPointer<QPushButton> button = game.button(0);

    game.form.Unload();

    QVERIFY(window && !window->isVisible());
    // A press that was under way reaches no game.
    button->click();
    QCOMPARE(game.state().clicks, qint16(0));
    QTRY_VERIFY(window.isNull());
}

void TestQtWindow::screenReaderHearsTheNewsAndTheTally()
{
    QtGame game;
    QVERIFY(start(game));
    const int target = game.shownTarget();
    game.button(target)->click();

    const QStringList words = {QStringLiteral("Left!"), QStringLiteral("Middle!"),
                               QStringLiteral("Right!")};
    const QString place = QStringLiteral("Mark above ") + words[game.shownTarget()];
    QCOMPARE(game.window()->accessibleDescription(), place);
    QCOMPARE(game.mark(game.shownTarget())->accessibleDescription(), place);
    QCOMPARE(game.button(2)->accessibleDescription(), QStringLiteral(" 1 correct of 1"));
    QCOMPARE(game.tally()->accessibleDescription(), QStringLiteral("Tally"));
    QCOMPARE(game.feedback()->accessibleDescription(), QStringLiteral("Feedback"));

    // The news is a notification inside the tally, which reads as a status bar.
    QAccessibleInterface *tally = QAccessible::queryAccessibleInterface(game.tally());
    QCOMPARE(tally->role(), QAccessible::StatusBar);
    QCOMPARE(tally->text(QAccessible::Name), QStringLiteral(" 1 correct of 1"));
    QCOMPARE(tally->childCount(), 1);
    QCOMPARE(tally->child(0)->role(), QAccessible::Notification);
    QCOMPARE(tally->child(0)->text(QAccessible::Name), words[target] + QLatin1Char(' ') + place);
}

QTEST_MAIN(TestQtWindow)
#include "tst_qtwindow.moc"
