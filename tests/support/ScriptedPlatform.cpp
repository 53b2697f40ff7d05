#include "support/ScriptedPlatform.h"

#include <QTimer>

#include <utility>

Platform::Answer ScriptedPlatform::message(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    messages.append({text, title, buttons, icon});
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
}

std::optional<QString> ScriptedPlatform::input(const QString &prompt, const QString &, const QString &)
{
    inputPrompts.append(prompt);
    return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
}

bool ScriptedPlatform::chooseFont(QFont &font)
{
    fontPresets.append(font);
    if (fonts.isEmpty())
        return false;
    const FontChoice choice = fonts.dequeue();
    if (choice.accepted)
        font = choice.font;
    return choice.accepted;
}

QString ScriptedPlatform::saveFileName(const QString &, const QString &, const QString &)
{
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedPlatform::openFileName(const QString &, const QString &)
{
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

std::optional<int> ScriptedPlatform::chooseItem(const QString &, const QString &, const QStringList &, int)
{
    return choices.isEmpty() ? std::nullopt : choices.dequeue();
}

void ScriptedPlatform::probeConnection(const QUrl &probe, QObject *context, std::function<void(bool)> answered)
{
    connectivityProbes.append(probe);
    if (holdProbes)
        m_heldProbes.append({context, answered});
    else
        QTimer::singleShot(0, context, [this, answered] { answered(connected); });
}

void ScriptedPlatform::answerHeldProbes()
{
    const auto held = std::exchange(m_heldProbes, {});
    for (const auto &[context, answered] : held)
        if (context)
            answered(connected);
}
