#pragma once

#include <QString>

namespace ostrima {

// Texts the data grids show of their own, translated by "sorgu_ayar.ini" in the site
// directory (read each time the main screen is shown). The file has the format of
// "lang.ini" (see LangFile: UTF-8, case-insensitive names, quotes keep edge blanks):
//
//   [grid]
//   noData=Gösterilecek kayıt yok
//   filterPlaceholder=Ara…
//   columnChooser=Sütun Seçimi
//
// noData            shown over a grid without rows
// filterPlaceholder grey text of a grid's search box while it is empty
// columnChooser     title of the list that shows and hides a grid's columns
//
// A key that is missing keeps the built-in text below; a key with an empty value makes
// that text empty. No file: the built-in texts.
struct GridTexts {
    QString noData = QStringLiteral("Gösterilecek kayıt yok");
    QString filterPlaceholder = QStringLiteral("Ara…");
    QString columnChooser = QStringLiteral("Sütun Seçimi");
};

GridTexts readGridTexts(const QString& siteDir);

} // namespace ostrima
