#pragma once

#include <QIcon>
#include <QPixmap>

namespace ostrima {

// The pictures of the map cells, drawn rather than loaded so they stay sharp at any size:
// 0 occupied table, 1 check printed, 2 lines not yet sent, 3 reserved, 4 new table,
// 5 blocked table. An unknown index gives a null icon.
QIcon tableIcon(int index);
QPixmap tableIconPixmap(int index, int size);

} // namespace ostrima
