#pragma once

#include <deque>
#include <functional>

#include <QStringList>

#include "app/interaction.h"

namespace ostrima::test {

// Answers an operation's questions from a script, and records what it was told and asked.
// An unscripted question fails the test (it would hang a real terminal's operator, too).
class ScriptedInteraction : public Interaction {
public:
    std::deque<int> answers;             // ask(): 100, 101, ...
    std::deque<QString> promptResults;   // prompt(mode) when no promptHandler is set
    std::function<QString(int mode)> promptHandler;
    std::deque<QString> texts;           // inputText()
    std::deque<int> choices;             // choose()

    std::vector<TaskDialog> asked;
    QStringList told;
    std::vector<int> promptedModes;

    int ask(const TaskDialog& dialog) override;
    void tell(const QString& message) override;
    QString prompt(int mode) override;
    QString inputText(const QString& caption, const QString& label, bool* ok) override;
    int choose(const QString& caption, const QStringList& entries) override;
};

} // namespace ostrima::test
