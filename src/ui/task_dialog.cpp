#include "ui/task_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/style.h"

namespace ostrima {

namespace {

const QString kMore = QStringLiteral("Click to see more");
const QString kHide = QStringLiteral("Click to hide");

QPixmap attentionPixmap(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath triangle;
    triangle.moveTo(s * 0.5, s * 0.06);
    triangle.lineTo(s * 0.96, s * 0.9);
    triangle.lineTo(s * 0.04, s * 0.9);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0xe6, 0x8a, 0x00), s * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xc1, 0x07));
    p.drawPath(triangle);
    p.setPen(QPen(touch::text, s * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.36), QPointF(s * 0.5, s * 0.6));
    p.drawPoint(QPointF(s * 0.5, s * 0.76));
    return pm;
}

} // namespace

TaskDialogBox::TaskDialogBox(const TaskDialog& dialog, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("taskDialog"));
    setWindowTitle(dialog.title);
    setModal(true);
    setMinimumWidth(520);
    setMaximumWidth(760);
    setStyleSheet(QStringLiteral(
        "QDialog#taskDialog { background: #ffffff; border: 2px solid #37474f; }"
        "QLabel#taskTitle { background: #263238; color: #ffffff; font-size: 18px;"
        "  font-weight: bold; padding: 10px 16px; }"
        "QLabel#taskInstruction { font-size: 22px; font-weight: bold; }"
        "QLabel#taskContent { font-size: 17px; color: #37474f; }"
        "QLabel#taskDetail { font-size: 16px; color: #37474f; background: #f5f7f8;"
        "  border-left: 4px solid #90a4ae; padding: 8px 12px; }"
        "QPushButton#taskDetailToggle { border: none; background: transparent; color: #1565c0;"
        "  text-align: left; padding-left: 0; font-weight: normal; text-decoration: underline; }"
        "QPushButton#taskDetailToggle:pressed { color: #0d47a1; }"
        "QProgressBar#taskCountdown { min-height: 6px; max-height: 6px; border-radius: 3px; }"
        "QProgressBar#taskCountdown::chunk { border-radius: 3px; }"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(0);

    auto* title = new QLabel(dialog.title, this);
    title->setObjectName(QStringLiteral("taskTitle"));
    outer->addWidget(title);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(20, 18, 20, 12);
    body->setSpacing(18);
    auto* icon = new QLabel(this);
    icon->setPixmap(attentionPixmap(56));
    icon->setAlignment(Qt::AlignTop);
    body->addWidget(icon, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(10);
    auto addLabel = [&](const QString& name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setVisible(!text.isEmpty());
        texts->addWidget(label);
        return label;
    };
    addLabel(QStringLiteral("taskInstruction"), dialog.instruction);
    addLabel(QStringLiteral("taskContent"), dialog.content);
    if (!dialog.expandedText.isEmpty()) {
        m_toggle = new QPushButton(kMore, this);
        m_toggle->setObjectName(QStringLiteral("taskDetailToggle"));
        m_toggle->setAutoDefault(false);
        m_toggle->setFocusPolicy(Qt::NoFocus);
        connect(m_toggle, &QPushButton::clicked, this, &TaskDialogBox::toggleDetail);
        texts->addWidget(m_toggle, 0, Qt::AlignLeft);
        m_detail = addLabel(QStringLiteral("taskDetail"), dialog.expandedText);
        m_detail->hide();
    }
    texts->addStretch(1);
    body->addLayout(texts, 1);
    outer->addLayout(body, 1);

    QStringList captions = dialog.buttons;
    if (captions.isEmpty())
        captions << QStringLiteral("Tamam");
    m_default = (dialog.defaultButton >= 0 && dialog.defaultButton < captions.size())
                    ? dialog.defaultButton : 0;

    auto* row = new QHBoxLayout;
    row->setContentsMargins(20, 8, 20, 8);
    row->setSpacing(12);
    row->addStretch(1);
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i], this);
        b->setObjectName(QStringLiteral("taskButton%1").arg(i));
        b->setMinimumWidth(150);
        b->setMinimumHeight(56);
        if (i == m_default) {
            b->setDefault(true);
            setButtonRole(b, ButtonRole::Primary);
        } else {
            b->setAutoDefault(false);
        }
        connect(b, &QPushButton::clicked, this, [this, i] { done(100 + i); });
        row->addWidget(b);
        m_buttons << b;
    }
    outer->addLayout(row);

    // How long until the dialog answers by itself, so nobody is surprised when it does.
    m_countdown = new QProgressBar(this);
    m_countdown->setObjectName(QStringLiteral("taskCountdown"));
    m_countdown->setTextVisible(false);
    m_countdown->hide();
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(20, 0, 20, 12);
    bar->addWidget(m_countdown);
    outer->addLayout(bar);

    m_timer = new QTimer(this);
    m_timer->setInterval(tickMs);
    connect(m_timer, &QTimer::timeout, this, &TaskDialogBox::tick);
}

void TaskDialogBox::setAutoAnswerMs(int ms)
{
    m_autoMs = ms > 0 ? ms : 0;
    m_countdown->setVisible(m_autoMs > 0);
    m_countdown->setRange(0, m_autoMs > 0 ? m_autoMs : 1);
    m_countdown->setValue(m_autoMs);
}

QPushButton* TaskDialogBox::button(int index) const
{
    return m_buttons.value(index);
}

bool TaskDialogBox::isDetailShown() const
{
    return m_detail && !m_detail->isHidden();
}

void TaskDialogBox::toggleDetail()
{
    const bool show = !isDetailShown();
    m_detail->setVisible(show);
    m_toggle->setText(show ? kHide : kMore);
    adjustSize();
}

void TaskDialogBox::tick()
{
    if (m_autoMs <= 0)
        return;
    const bool answer = m_count.tick();
    m_countdown->setValue(static_cast<int>(qMax<qint64>(0, m_autoMs - m_count.elapsedMs())));
    if (answer) {
        m_timer->stop();
        done(defaultAnswer());
    }
}

void TaskDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_count = AutoAnswer(m_autoMs);
    setAutoAnswerMs(m_autoMs);
    if (m_autoMs > 0)
        m_timer->start();
}

void TaskDialogBox::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    QDialog::hideEvent(event);
}

void TaskDialogBox::keyPressEvent(QKeyEvent* event)
{
    // Escape would answer nothing the caller expects; only the buttons answer.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TaskDialogBox::reject()
{
    // No close box and no Escape: a dialog only ends through one of its buttons.
}

int TaskDialogBox::ask(const TaskDialog& dialog, int autoAnswerMs, QWidget* parent)
{
    TaskDialogBox box(dialog, parent);
    box.setAutoAnswerMs(autoAnswerMs);
    const int answer = box.exec();
    // exec() gives 0 only when the event loop is torn down under it (the program ending).
    return answer >= 100 ? answer : box.defaultAnswer();
}

} // namespace ostrima
