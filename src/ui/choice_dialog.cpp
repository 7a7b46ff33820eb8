#include "ui/choice_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScroller>
#include <QVBoxLayout>

#include "ui/style.h"

namespace ostrima {

ChoiceDialog::ChoiceDialog(const QString& caption, const QStringList& entries, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("choiceDialog"));
    setWindowTitle(caption);
    setModal(true);
    setMinimumSize(480, 420);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    auto* title = new QLabel(caption, this);
    title->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold;"));
    title->setWordWrap(true);
    title->setVisible(!caption.isEmpty());
    layout->addWidget(title);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("choiceList"));
    m_list->setStyleSheet(QStringLiteral("QListView { font-size: 20px; }"
                                         "QListView::item { min-height: 56px; }"));
    m_list->addItems(entries);
    m_list->setFocusPolicy(Qt::NoFocus); // a touch chooses; no keyboard cursor to show
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QScroller::grabGesture(m_list->viewport(), QScroller::TouchGesture);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_chosen = m_list->row(item);
        accept();
    });
    layout->addWidget(m_list, 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* cancel = new QPushButton(QStringLiteral("İptal"), this);
    cancel->setObjectName(QStringLiteral("btnIptal"));
    cancel->setMinimumWidth(160);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(cancel);
    layout->addLayout(row);
}

int ChoiceDialog::choose(const QString& caption, const QStringList& entries, QWidget* parent)
{
    ChoiceDialog dialog(caption, entries, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : -1;
}

} // namespace ostrima
