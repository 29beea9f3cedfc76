// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace zormade::bench {

// What one probe child reported (see probe.h); ok is false when it did not report as it should.
struct ChildReport {
    bool ok = false;
    double readyMs = 0;  // from the start of the process until its "ready" line
    long residentKb = 0;
    long readyCpuUs = 0;  // processor time until then, which a busy machine does not stretch
    long waitCpuUs = 0;
    long waitWakeups = 0;
    long waitedMs = 0;
};

// Runs this program again as a probe child in `mode`, on the offscreen platform, with a fresh
// profile folder holding `profile` (nothing when empty).
ChildReport RunChild(const QString& mode, const QByteArray& profile = {});

}  // namespace zormade::bench
