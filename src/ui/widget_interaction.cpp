#include "ui/widget_interaction.h"

#include <QApplication>

#include "ui/choice_dialog.h"
#include "ui/task_dialog.h"
#include "ui/text_input_dialog.h"

namespace ostrima {

namespace {
int g_autoAnswerMs = 0;
} // namespace

void setAutoAnswerMs(int ms)
{
    g_autoAnswerMs = ms > 0 ? ms : 0;
}

int autoAnswerMs()
{
    return g_autoAnswerMs;
}

QWidget* WidgetInteraction::window() const
{
    // A dialog over the topmost modal window stays reachable; over anything else it would
    // open behind it.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_window.data();
}

int WidgetInteraction::ask(const TaskDialog& dialog)
{
    return TaskDialogBox::ask(dialog, g_autoAnswerMs, window());
}

void WidgetInteraction::tell(const QString& message)
{
    TaskDialog d;
    d.title = QApplication::applicationName();
    d.instruction = message;
    d.buttons = QStringList{QStringLiteral("Tamam")};
    TaskDialogBox::ask(d, g_autoAnswerMs, window());
}

QString WidgetInteraction::prompt(int mode)
{
    return m_prompt ? m_prompt(mode) : QStringLiteral("0");
}

QString WidgetInteraction::inputText(const QString& caption, const QString& label, bool* ok)
{
    return TextInputDialog::getText(caption, label, ok, window());
}

int WidgetInteraction::choose(const QString& caption, const QStringList& entries)
{
    return ChoiceDialog::choose(caption, entries, window());
}

} // namespace ostrima
