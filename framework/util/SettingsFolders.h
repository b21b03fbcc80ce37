#pragma once

#include <QString>

namespace fw::util {

// The current user's settings folder: $KORVELLA_USER_DIR, else the user's configuration folder
// + "/korvella". Created on demand, readable by the user alone (it holds a stored password).
// The environment is read on every call.
QString UserSettingsFolder();

// The machine's settings folder: $KORVELLA_MACHINE_DIR, else "/var/lib/korvella". Never created
// here: only an installer with the rights to write it does that.
QString MachineSettingsFolder();

}  // namespace fw::util
