#pragma once

namespace quorvial {

extern const char* const kApplicationTitle;

// The whole program: options, framework start-up, then the window or the headless session.
// Answers the process's exit status.
int RunQuorvial(int argc, char** argv);

}  // namespace quorvial
