#pragma once

#include "data/row_writer.h"

namespace ostrima {

// The header columns of a free table as a closed check leaves it: amounts 0, no waiter, no
// account, not printed. A new table row starts from these, so later arithmetic on the
// amounts never meets NULL.
Row freeTableHeader();

} // namespace ostrima
