#pragma once

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>

class QPushButton;

namespace ostrima {

// A grid of large keys, one row per list; an empty caption leaves a gap. Keys never take the
// focus, so the text box being typed into keeps it. Each key is named "key" + its caption;
// a screen renames the ones its captions file addresses (key("Sil")->setObjectName(...)).
class TouchKeypad : public QWidget {
    Q_OBJECT
public:
    explicit TouchKeypad(const QList<QStringList>& rows, QWidget* parent = nullptr);

    // The key with this caption as built; null when there is none.
    QPushButton* key(const QString& caption) const;

signals:
    void keyPressed(const QString& caption);

private:
    QHash<QString, QPushButton*> m_keys;
};

} // namespace ostrima
