#include "ui/auto_answer_timer.h"

#include <memory>

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "settings/auto_answer.h"

namespace ostrima {

void armAutoAnswer(QDialog* dialog, int timeMs, QAbstractButton* answer)
{
    auto count = std::make_shared<AutoAnswer>(timeMs);
    if (!count->enabled() || !answer)
        return;
    auto* timer = new QTimer(dialog);
    timer->setInterval(AutoAnswer::tickMs);
    QObject::connect(timer, &QTimer::timeout, dialog,
                     [timer, count, button = QPointer<QAbstractButton>(answer)] {
                         if (!count->tick())
                             return;
                         timer->stop();
                         if (button)
                             button->click();
                     });
    timer->start();
}

} // namespace ostrima
