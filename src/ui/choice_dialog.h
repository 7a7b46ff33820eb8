#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace ostrima {

// One entry of a list, chosen with a single touch; "İptal" chooses nothing.
class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    ChoiceDialog(const QString& caption, const QStringList& entries, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    // Index of the entry touched; -1 when cancelled.
    int chosen() const { return m_chosen; }

    static int choose(const QString& caption, const QStringList& entries, QWidget* parent);

private:
    QListWidget* m_list = nullptr;
    int m_chosen = -1;
};

} // namespace ostrima
