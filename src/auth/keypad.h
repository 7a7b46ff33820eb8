#pragma once

#include <QString>

namespace ostrima {

// The touch keypad's editing rule, shared by the login box and the authorisation prompt.
// A code or number starts as "0"; the first real key replaces that zero, so nobody has to
// clear the box before typing. `limit` is the most characters the box holds (login 80,
// prompt 15); a key that would not fit whole is cut to what fits.
QString keypadPress(const QString& code, const QString& key, int limit);

// The back-arrow: removes the last character; an emptied box shows "0" again.
QString keypadBack(const QString& code);

} // namespace ostrima
