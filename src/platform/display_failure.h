// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zormade {

// Qt aborts (SIGABRT) when its platform plugin cannot open the display, after several lines of
// advice. While this guard lives, such a failure prints one line and exits with status 1; the
// other messages of that time are passed on when the guard ends.
class DisplayFailureExit {
public:
    explicit DisplayFailureExit(const char* program);
    ~DisplayFailureExit();
    DisplayFailureExit(const DisplayFailureExit&) = delete;
    DisplayFailureExit& operator=(const DisplayFailureExit&) = delete;
};

}  // namespace zormade
