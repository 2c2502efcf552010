#pragma once

#include <QFont>

namespace voltaro {

// The board font: Arial (Liberation Sans where Arial is missing) 11 pixels high, as 8 point
// shows at 96 dpi, whatever the device's resolution; regular or bold.
QFont boardFont(bool bold);

} // namespace voltaro
