#pragma once

#include <QString>
#include <QStringList>

namespace ostrima {

// A task dialog: title "D I K K A T" unless told otherwise, an instruction, a content text,
// an expandable detail and custom buttons answering 100, 101, ... in the order given.
struct TaskDialog {
    QString title = QStringLiteral("D I K K A T");
    QString instruction;
    QString content;
    QString expandedText;
    QStringList buttons;
    int defaultButton = 0; // index into buttons
};

// Everything an operation must ask or tell a person. The screens answer with dialogs;
// tests and ostrimactl answer from a script. Core code never opens a window.
class Interaction {
public:
    virtual ~Interaction() = default;
    // Returns 100 + index of the chosen button.
    virtual int ask(const TaskDialog& dialog) = 0;
    virtual void tell(const QString& message) = 0;
    // The authorisation prompt in a mode; returns its result text ("0" = refused/cancelled).
    virtual QString prompt(int mode) = 0;
    // Free text; `ok` false when cancelled.
    virtual QString inputText(const QString& caption, const QString& label, bool* ok) = 0;
    // One entry of a list; -1 when cancelled.
    virtual int choose(const QString& caption, const QStringList& entries) = 0;
};

} // namespace ostrima
