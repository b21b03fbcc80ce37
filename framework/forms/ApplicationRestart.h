#pragma once

namespace fw::forms {

// Tells the user, closes every database connection and starts the program again once this
// instance has ended.
void RestartApplication();

}  // namespace fw::forms
