#pragma once

#include <functional>

namespace test {

// Runs body in a forked child as a user without rights on files it does not own: as root the
// child becomes "nobody" (root ignores file modes, so only a real other user shows what a
// non-administrator sees), otherwise it keeps the current user. Before forking, the test root
// is opened to everyone and the user settings folder given to that user, so it reaches its
// folders but owns only the user one. Answers body's result, kCannotDrop when the child could
// not change user, or kCrashed when it ended abnormally.
int RunUnprivileged(const std::function<int()>& body);

constexpr int kCannotDrop = 77;
constexpr int kCrashed = 78;

}  // namespace test
