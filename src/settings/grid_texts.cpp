#include "settings/grid_texts.h"

#include "settings/lang_file.h"

namespace ostrima {

GridTexts readGridTexts(const QString& siteDir)
{
    GridTexts texts;
    const auto file = LangFile::open(siteDir, QStringLiteral("sorgu_ayar.ini"));
    if (!file)
        return texts;
    const QString grid = QStringLiteral("grid");
    auto take = [&](const char* key, QString& text) {
        if (auto v = file->value(grid, QString::fromLatin1(key)))
            text = *v;
    };
    take("noData", texts.noData);
    take("filterPlaceholder", texts.filterPlaceholder);
    take("columnChooser", texts.columnChooser);
    return texts;
}

} // namespace ostrima
