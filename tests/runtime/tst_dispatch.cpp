// SPDX-License-Identifier: MIT
#include "fakes/fakefrontend.h"
#include "runtime/dialogs.h"
#include "runtime/dispatch.h"
#include "runtime/handlers.h"
#include "runtime/overflow.h"

#include <QTest>

#include <cstdint>

namespace {

// A handler that waits for a message, then overflows a counter at its limit.
runtime::Task<> overflowAfterAMessage(runtime::Dialogs &dialogs, QStringList *done)
{
    co_await dialogs.message(u"text", u"title");
    std::int16_t counter = 32767;
    runtime::increment16(counter);
    *done << QStringLiteral("not reached");
}

runtime::Task<> promptInto(runtime::Dialogs &dialogs, std::u16string *name)
{
    *name = co_await dialogs.prompt(u"P", u"T", u"D");
}

} // namespace

class TestDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overflowIsReportedUnderTheProgramsName();
    void overflowAfterAWaitIsReportedToo();
    void otherHandlersAreLeftAlone();
    void handlerEndedWhileWaitingClosesItsDialog();
};

void TestDispatch::overflowIsReportedUnderTheProgramsName()
{
    FakeFrontEnd frontEnd;
    runtime::Dialogs dialogs(frontEnd, u"Zapgrid");
    runtime::Handlers handlers;
    bool reportOpen = false;
    frontEnd.dialogs.whileOpen = [&] {
        reportOpen = dialogs.anyOpen();
    };
    handlers.run(runtime::dispatch(dialogs, [] {
        std::int16_t clicks = 32767;
        runtime::increment16(clicks);
    }));
    QCOMPARE(frontEnd.dialogs.log, QStringList{QStringLiteral("error Zapgrid: Overflow")});
    // A dialog of the program's like any other: the game's clock stands still.
    QVERIFY(reportOpen);
    QVERIFY(!dialogs.anyOpen());
}

void TestDispatch::overflowAfterAWaitIsReportedToo()
{
    FakeFrontEnd frontEnd;
    runtime::Dialogs dialogs(frontEnd, u"Zapgrid");
    QStringList done;
    runtime::Handlers handlers;
    handlers.run(runtime::dispatch(dialogs, [&] { return overflowAfterAMessage(dialogs, &done); }));
    QCOMPARE(frontEnd.dialogs.log, QStringList({QStringLiteral("message title: text"),
                                                QStringLiteral("error Zapgrid: Overflow")}));
    QVERIFY(done.isEmpty());
}

void TestDispatch::otherHandlersAreLeftAlone()
{
    FakeFrontEnd frontEnd;
    runtime::Dialogs dialogs(frontEnd, u"Zapgrid");
    int ran = 0;
    runtime::Handlers handlers;
    handlers.run(runtime::dispatch(dialogs, [&] { ++ran; }));
    QCOMPARE(ran, 1);
    QVERIFY(frontEnd.dialogs.log.isEmpty());
}

void TestDispatch::handlerEndedWhileWaitingClosesItsDialog()
{
    FakeFrontEnd frontEnd;
    frontEnd.dialogs.leaveOpen = true;
    runtime::Dialogs dialogs(frontEnd, u"Zapgrid");
    std::u16string name = u"unset";
    {
        runtime::Handlers handlers;
        handlers.run(promptInto(dialogs, &name));
        QVERIFY(dialogs.anyOpen());
    }
    // The game's clock would otherwise stand still for good.
    QVERIFY(!dialogs.anyOpen());
    QVERIFY(name == u"unset");
}

QTEST_GUILESS_MAIN(TestDispatch)
#include "tst_dispatch.moc"
