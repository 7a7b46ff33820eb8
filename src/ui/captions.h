#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace ostrima {

class LangFile;

// Screen texts from a language file. A screen's section is its object name; each key is
// "<screen>.<control>.<ending>", matched without regard to case:
//
//   Caption            button, check box, label and group box text, the tab text of a
//                      tab page, a menu's title and a menu entry's text
//   Hint               tool tip
//   Text               line edit text; combo box current text, applied after the entries
//                      (a fixed combo box selects the entry with that text, if any)
//   EditLabel.Caption  the label whose buddy the control is
//   lines[i]           line i of a multi-line box (QPlainTextEdit, QTextEdit); such a box
//                      takes its text from these keys only, a Text key is not applied
//   items[i]           entry i of a combo box or list, tab i of a tab widget or tab bar,
//                      title of column i of a table
//
// Controls are the screen's named children in creation order, nested containers included
// but not child windows (dialogs are screens of their own); names starting "qt_" are Qt's
// own parts and are left alone.

// Applies `lang` to a screen when it is created: a value that is missing or empty keeps
// the screen's text, except that a line of a multi-line box is replaced by any value other
// than "fsdef", an empty one included. Lines and entries are neither added nor removed.
void applyLanguage(QWidget* screen, const LangFile& lang);

// Writes the current texts of `screens` to `path` ("Custom.ini" in the site directory) so
// that applying the file to unchanged screens leaves them as they are. Controls whose
// name begins with "out" (in any case) are left out. Throws UserError when the file
// cannot be written.
void exportCaptions(const QList<QWidget*>& screens, const QString& path);

} // namespace ostrima
