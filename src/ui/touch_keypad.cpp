#include "ui/touch_keypad.h"

#include <QGridLayout>
#include <QPushButton>

#include "ui/style.h"

namespace ostrima {

TouchKeypad::TouchKeypad(const QList<QStringList>& rows, QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(6);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString caption = rows[r][c];
            if (caption.isEmpty())
                continue;
            auto* button = new QPushButton(caption, this);
            button->setObjectName(QStringLiteral("key") + caption);
            button->setFocusPolicy(Qt::NoFocus);
            button->setAutoDefault(false);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            setButtonRole(button, ButtonRole::Key);
            connect(button, &QPushButton::clicked, this, [this, caption] { emit keyPressed(caption); });
            grid->addWidget(button, r, c);
            m_keys.insert(caption, button);
        }
    }
}

QPushButton* TouchKeypad::key(const QString& caption) const
{
    return m_keys.value(caption);
}

} // namespace ostrima
