#include "shell/QtPlatform.h"

#include "net/Http.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace {

QMessageBox::Icon toQtIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information: return QMessageBox::Information;
    case Platform::Icon::Question: return QMessageBox::Question;
    case Platform::Icon::Warning: return QMessageBox::Warning;
    case Platform::Icon::Critical: return QMessageBox::Critical;
    case Platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    Platform::Answer answer;
    QMessageBox::ButtonRole role;
    const char16_t *caption;
};

QList<ButtonChoice> buttonChoices(Platform::Buttons buttons)
{
    using A = Platform::Answer;
    const ButtonChoice ok{A::Ok, QMessageBox::AcceptRole, u"موافق"};
    const ButtonChoice cancel{A::Cancel, QMessageBox::RejectRole, u"إلغاء"};
    const ButtonChoice yes{A::Yes, QMessageBox::YesRole, u"نعم"};
    const ButtonChoice no{A::No, QMessageBox::NoRole, u"لا"};
    const ButtonChoice retry{A::Retry, QMessageBox::AcceptRole, u"إعادة المحاولة"};
    switch (buttons) {
    case Platform::Buttons::Ok: return {ok};
    case Platform::Buttons::OkCancel: return {ok, cancel};
    case Platform::Buttons::YesNo: return {yes, no};
    case Platform::Buttons::YesNoCancel: return {yes, no, cancel};
    case Platform::Buttons::RetryCancel: return {retry, cancel};
    }
    return {ok};
}

} // namespace

QtPlatform::QtPlatform(QWidget *dialogParent)
    : m_parent(dialogParent)
{
}

Platform::Answer QtPlatform::message(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    QMessageBox box(m_parent);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    box.setText(text);
    box.setIcon(toQtIcon(icon));
    QHash<QAbstractButton *, Answer> answers;
    Answer escapeAnswer = Answer::Ok;
    for (const ButtonChoice &choice : buttonChoices(buttons)) {
        QPushButton *button = box.addButton(QString::fromUtf16(choice.caption), choice.role);
        answers.insert(button, choice.answer);
        if (choice.answer == Answer::Cancel || choice.answer == Answer::No)
            escapeAnswer = choice.answer;
    }
    box.exec();
    return answers.value(box.clickedButton(), escapeAnswer);
}

std::optional<QString> QtPlatform::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(m_parent);
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("موافق"));
    dialog.setCancelButtonText(QStringLiteral("إلغاء"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool QtPlatform::chooseFont(QFont &font)
{
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, font, m_parent);
    if (accepted)
        font = chosen;
    return accepted;
}

QString QtPlatform::saveFileName(const QString &title, const QString &suggestedName, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, title, suggestedName, filter);
}

QString QtPlatform::openFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, QString(), filter);
}

std::optional<int> QtPlatform::chooseItem(const QString &prompt, const QString &title, const QStringList &items,
                                          int current)
{
    QInputDialog dialog(m_parent);
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(items.value(current));
    dialog.setOkButtonText(QStringLiteral("موافق"));
    dialog.setCancelButtonText(QStringLiteral("إلغاء"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return int(items.indexOf(dialog.textValue()));
}

bool QtPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::startProgram(const QString &program, const QString &argument)
{
    if (program.trimmed().isEmpty())
        return openUrl(QUrl(argument));
    // A command may carry options of its own ("mpv --no-video"); the argument comes last.
    QStringList words = QProcess::splitCommand(program);
    const QString executable = words.takeFirst();
    return QProcess::startDetached(executable, words << argument);
}

void QtPlatform::activateKeyboardLayout(const QString &)
{
    // The desktop owns the keyboard layout here; there is nothing to switch.
}

void QtPlatform::probeConnection(const QUrl &probe, QObject *context, std::function<void(bool)> answered)
{
    Http::probeConnection(probe, context, std::move(answered));
}

void QtPlatform::setClipboardText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText()
{
    return QApplication::clipboard()->text();
}
