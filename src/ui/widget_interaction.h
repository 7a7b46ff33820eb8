#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "app/interaction.h"

namespace ostrima {

// Time after which the main screen's message dialogs answer themselves (0 = never); the
// main screen sets it from the terminal's settings.
void setAutoAnswerMs(int ms);
int autoAnswerMs();

// The screens' answer to an operation's questions: task dialogs, messages, the authorisation
// prompt (through the handler the program installs), text input and list choice, each a
// touch dialog over the window given.
class WidgetInteraction : public Interaction {
public:
    using PromptHandler = std::function<QString(int mode)>;

    explicit WidgetInteraction(QWidget* window = nullptr) : m_window(window) {}

    void setWindow(QWidget* window) { m_window = window; }
    void setPromptHandler(PromptHandler handler) { m_prompt = std::move(handler); }

    int ask(const TaskDialog& dialog) override;
    void tell(const QString& message) override;
    // "0" (refused) when no prompt handler is installed.
    QString prompt(int mode) override;
    QString inputText(const QString& caption, const QString& label, bool* ok) override;
    int choose(const QString& caption, const QStringList& entries) override;

private:
    QWidget* window() const;

    QPointer<QWidget> m_window;
    PromptHandler m_prompt;
};

} // namespace ostrima
