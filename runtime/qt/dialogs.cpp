// SPDX-License-Identifier: MIT
#include "runtime/qt/dialogs.h"

#include "runtime/coroutine.h"
#include "runtime/qt/deletelater.h"

#include <QInputDialog>
#include <QLineEdit>

#include <limits>

namespace runtime::qt {

namespace {

// Shows the dialog modal to the whole program, as exec() would, and resumes
// the awaiting handler with its result code once it has closed.
class Answer
{
public:
    explicit Answer(QDialog &dialog) : m_dialog(dialog) {}

    bool await_ready() const noexcept { return false; }
    void await_suspend(coro::coroutine_handle<> handler)
    {
        QObject::connect(
            &m_dialog, &QDialog::finished, &m_dialog,
            [this, handler](int result) mutable {
                m_result = result;
                handler.resume();
            },
            Qt::SingleShotConnection);
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.show();
    }
    int await_resume() const noexcept { return m_result; }

private:
    QDialog &m_dialog;
    int m_result = QDialog::Rejected;
};

} // namespace

Task<QString> textPrompt(QString prompt, QString title, QString defaultText)
{
    // Deleted once the event that closed it is over: its answer comes from
    // inside its own finished() signal. One whose handler ended while it was
    // open goes from the screen at once.
    const LaterPointer<QInputDialog> dialog(new QInputDialog);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    // A line edit stops at 32767 characters by default; a name is taken
    // whole, however long.
    if (auto *field = dialog->findChild<QLineEdit *>())
        field->setMaxLength(std::numeric_limits<int>::max());
    const int result = co_await Answer(*dialog);
    co_return result == QDialog::Accepted ? dialog->textValue() : QString();
}

Task<> messageBox(QMessageBox::Icon icon, QString text, QString title)
{
    const LaterPointer<QMessageBox> box(new QMessageBox(icon, title, text, QMessageBox::Ok));
    // Plain text: a message can carry whatever name the player typed.
    box->setTextFormat(Qt::PlainText);
    co_await Answer(*box);
}

} // namespace runtime::qt
