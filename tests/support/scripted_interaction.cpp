#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

namespace ostrima::test {

int ScriptedInteraction::ask(const TaskDialog& dialog)
{
    asked.push_back(dialog);
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << dialog.instruction.toStdString();
        return 100 + dialog.defaultButton;
    }
    const int a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedInteraction::tell(const QString& message) { told << message; }

QString ScriptedInteraction::prompt(int mode)
{
    promptedModes.push_back(mode);
    if (promptHandler)
        return promptHandler(mode);
    if (promptResults.empty()) {
        ADD_FAILURE() << "unscripted prompt in mode " << mode;
        return QStringLiteral("0");
    }
    const QString r = promptResults.front();
    promptResults.pop_front();
    return r;
}

QString ScriptedInteraction::inputText(const QString& caption, const QString&, bool* ok)
{
    if (texts.empty()) {
        ADD_FAILURE() << "unscripted text input: " << caption.toStdString();
        if (ok)
            *ok = false;
        return {};
    }
    const QString t = texts.front();
    texts.pop_front();
    if (ok)
        *ok = true;
    return t;
}

int ScriptedInteraction::choose(const QString& caption, const QStringList&)
{
    if (choices.empty()) {
        ADD_FAILURE() << "unscripted choice: " << caption.toStdString();
        return -1;
    }
    const int c = choices.front();
    choices.pop_front();
    return c;
}

} // namespace ostrima::test
