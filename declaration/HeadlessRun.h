#pragma once

#include "declaration/CommandLine.h"

namespace quorvial {

// The declaration session without windows: every message goes to standard error and is answered
// with its default button; the rows can be written to a CSV file.
class HeadlessRun {
public:
    enum ExitStatus { Ready = 0, StartFailed = 1, UsageError = 2, OutputFailed = 3 };

    explicit HeadlessRun(CommandLine options) : m_options(std::move(options)) {}
    int run();

private:
    CommandLine m_options;
};

}  // namespace quorvial
