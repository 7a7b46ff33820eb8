#include "ui/captions.h"

#include <optional>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include "settings/lang_file.h"

namespace ostrima {

namespace {

// Named children in creation order, depth first; child windows other than menus belong to
// screens of their own. Unnamed and Qt-internal containers are walked but not listed.
void collectControls(QObject* parent, QList<QObject*>& all)
{
    for (QObject* c : parent->children()) {
        if (auto* w = qobject_cast<QWidget*>(c)) {
            if (w->isWindow() && !qobject_cast<QMenu*>(w))
                continue;
            all << c;
            collectControls(c, all);
        } else if (qobject_cast<QAction*>(c)) {
            all << c;
        }
    }
}

bool isOwnControl(const QObject* o)
{
    const QString n = o->objectName();
    return !n.isEmpty() && !n.startsWith(QLatin1String("qt_"));
}

// The tab widget whose page `o` is, and the page's index there.
std::pair<QTabWidget*, int> tabPage(QObject* o)
{
    auto* w = qobject_cast<QWidget*>(o);
    auto* stack = w ? qobject_cast<QStackedWidget*>(w->parentWidget()) : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    const int i = tabs ? tabs->indexOf(w) : -1;
    return {i >= 0 ? tabs : nullptr, i};
}

std::optional<QString> caption(QObject* o)
{
    if (auto [tabs, i] = tabPage(o); tabs)
        return tabs->tabText(i);
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    if (auto* m = qobject_cast<QMenu*>(o))
        return m->title();
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    return std::nullopt;
}

void setCaption(QObject* o, const QString& text)
{
    if (auto [tabs, i] = tabPage(o); tabs)
        tabs->setTabText(i, text);
    else if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(o))
        l->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        g->setTitle(text);
    else if (auto* m = qobject_cast<QMenu*>(o))
        m->setTitle(text);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setText(text);
}

// Menu entries have no hint of their own: an action's tool tip falls back to its text.
std::optional<QString> hint(QObject* o)
{
    if (auto* w = qobject_cast<QWidget*>(o))
        return w->toolTip();
    return std::nullopt;
}

QPlainTextEdit* asPlainEdit(QObject* o)
{
    return qobject_cast<QPlainTextEdit*>(o);
}
QTextEdit* asTextEdit(QObject* o)
{
    return qobject_cast<QTextEdit*>(o);
}
bool isMultiLine(QObject* o)
{
    return asPlainEdit(o) || asTextEdit(o);
}

QString multiLineText(QObject* o)
{
    if (auto* p = asPlainEdit(o))
        return p->toPlainText();
    if (auto* t = asTextEdit(o))
        return t->toPlainText();
    return {};
}

QStringList lines(QObject* o)
{
    const QString text = multiLineText(o);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void setLines(QObject* o, const QStringList& l)
{
    if (auto* p = asPlainEdit(o))
        p->setPlainText(l.join(u'\n'));
    else if (auto* t = asTextEdit(o))
        t->setPlainText(l.join(u'\n'));
}

// The control's Text as applied: line edits and combo boxes.
std::optional<QString> text(QObject* o)
{
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->currentText();
    return std::nullopt;
}

void setText(QObject* o, const QString& value)
{
    if (auto* e = qobject_cast<QLineEdit*>(o))
        e->setText(value);
    else if (auto* c = qobject_cast<QComboBox*>(o))
        c->setCurrentText(value);
}

// Entries of a list-type control; -1 for other controls.
int itemCount(QObject* o)
{
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->count();
    if (auto* l = qobject_cast<QListWidget*>(o))
        return l->count();
    if (auto* t = qobject_cast<QTabWidget*>(o))
        return t->count();
    if (auto* t = qobject_cast<QTabBar*>(o))
        return t->count();
    if (auto* t = qobject_cast<QTableView*>(o))
        return t->model() ? t->model()->columnCount() : 0;
    return -1;
}

QString itemText(QObject* o, int i)
{
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->itemText(i);
    if (auto* l = qobject_cast<QListWidget*>(o))
        return l->item(i)->text();
    if (auto* t = qobject_cast<QTabWidget*>(o))
        return t->tabText(i);
    if (auto* t = qobject_cast<QTabBar*>(o))
        return t->tabText(i);
    // A table widget column without a title item shows its number, which is no text of
    // the screen's.
    if (auto* t = qobject_cast<QTableWidget*>(o))
        return t->horizontalHeaderItem(i) ? t->horizontalHeaderItem(i)->text() : QString();
    if (auto* t = qobject_cast<QTableView*>(o))
        return t->model()->headerData(i, Qt::Horizontal).toString();
    return {};
}

void setItemText(QObject* o, int i, const QString& value)
{
    if (auto* c = qobject_cast<QComboBox*>(o))
        c->setItemText(i, value);
    else if (auto* l = qobject_cast<QListWidget*>(o))
        l->item(i)->setText(value);
    else if (auto* t = qobject_cast<QTabWidget*>(o))
        t->setTabText(i, value);
    else if (auto* t = qobject_cast<QTabBar*>(o))
        t->setTabText(i, value);
    else if (auto* t = qobject_cast<QTableWidget*>(o)) {
        if (auto* item = t->horizontalHeaderItem(i))
            item->setText(value);
        else
            t->setHorizontalHeaderItem(i, new QTableWidgetItem(value));
    } else if (auto* t = qobject_cast<QTableView*>(o))
        t->model()->setHeaderData(i, Qt::Horizontal, value);
}

// Labels by the control they are the buddy of, unnamed labels included.
QHash<QObject*, QLabel*> editLabels(const QList<QObject*>& all)
{
    QHash<QObject*, QLabel*> labels;
    for (QObject* o : all)
        if (auto* l = qobject_cast<QLabel*>(o); l && l->buddy())
            labels.insert(l->buddy(), l);
    return labels;
}

QString indexed(const char* ending, int i)
{
    return QStringLiteral(".%1[%2]").arg(QLatin1String(ending)).arg(i);
}

} // namespace

void applyLanguage(QWidget* screen, const LangFile& lang)
{
    const QString section = screen->objectName();
    auto value = [&](const QString& key) { return lang.value(section, key); };
    auto nonEmpty = [&](const QString& key) {
        const std::optional<QString> v = value(key);
        return v && !v->isEmpty() ? v : std::nullopt;
    };

    if (auto title = nonEmpty(section + QStringLiteral(".Caption")))
        screen->setWindowTitle(*title);

    QList<QObject*> all;
    collectControls(screen, all);
    const QHash<QObject*, QLabel*> labels = editLabels(all);
    for (QObject* o : all) {
        if (!isOwnControl(o))
            continue;
        const QString key = section + u'.' + o->objectName();
        if (auto v = nonEmpty(key + QStringLiteral(".Caption")); v && caption(o))
            setCaption(o, *v);
        if (auto v = nonEmpty(key + QStringLiteral(".Hint")); v && hint(o))
            qobject_cast<QWidget*>(o)->setToolTip(*v);
        if (auto v = nonEmpty(key + QStringLiteral(".EditLabel.Caption")); v && labels.value(o))
            labels.value(o)->setText(*v);

        if (isMultiLine(o)) {
            QStringList l = lines(o);
            bool changed = false;
            for (int i = 0; i < l.size(); ++i) {
                const QString v =
                    value(key + indexed("lines", i)).value_or(QStringLiteral("fsdef"));
                if (v != QLatin1String("fsdef") && v != l[i]) {
                    l[i] = v;
                    changed = true;
                }
            }
            if (changed)
                setLines(o, l);
        }

        const int count = itemCount(o);
        for (int i = 0; i < count; ++i)
            if (auto v = nonEmpty(key + indexed("items", i)); v && *v != itemText(o, i))
                setItemText(o, i, *v);

        // After the entries: a fixed combo box finds its entry by the translated text, and
        // renaming the current entry of an editable one would overwrite its typed text.
        if (auto v = nonEmpty(key + QStringLiteral(".Text")); v && text(o))
            setText(o, *v);
    }
}

void exportCaptions(const QList<QWidget*>& screens, const QString& path)
{
    LangFileWriter out;
    for (QWidget* screen : screens) {
        const QString section = screen->objectName();
        if (section.isEmpty())
            continue;
        const QString title = screen->windowTitle();
        if (!title.isEmpty() && title != section)
            out.setValue(section, section + QStringLiteral(".Caption"), title);

        QList<QObject*> all;
        collectControls(screen, all);
        const QHash<QObject*, QLabel*> labels = editLabels(all);
        for (QObject* o : all) {
            const QString name = o->objectName();
            if (!isOwnControl(o) || name.startsWith(QLatin1String("out"), Qt::CaseInsensitive))
                continue;
            const QString key = section + u'.' + name;
            auto write = [&](const QString& ending, const QString& value) {
                out.setValue(section, key + ending, value);
            };
            if (auto c = caption(o); c && !c->isEmpty() && *c != name && *c != u"-")
                write(QStringLiteral(".Caption"), *c);
            if (auto h = hint(o); h && !h->isEmpty())
                write(QStringLiteral(".Hint"), *h);
            if (QLabel* l = labels.value(o); l && !l->text().isEmpty())
                write(QStringLiteral(".EditLabel.Caption"), l->text());
            if (auto t = text(o))
                write(QStringLiteral(".Text"), *t);
            if (isMultiLine(o)) {
                write(QStringLiteral(".Text"), multiLineText(o));
                const QStringList l = lines(o);
                for (int i = 0; i < l.size() && l[i] != name; ++i)
                    write(indexed("Lines", i), l[i]);
            }
            const int count = itemCount(o);
            for (int i = 0; i < count; ++i)
                write(indexed("Items", i), itemText(o, i));
        }
    }
    out.save(path);
}

} // namespace ostrima
