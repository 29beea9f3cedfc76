// SPDX-License-Identifier: GPL-3.0-or-later
#include "child_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace zormade::bench {
namespace {

constexpr int kChildTimeoutMs = 30000;

QProcessEnvironment ChildEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    return environment;
}

bool WriteProfile(const QTemporaryDir& home, const QByteArray& profile) {
    if (profile.isEmpty()) return true;
    QDir(home.path()).mkpath(QStringLiteral("zormade"));
    QFile file(home.filePath(QStringLiteral("zormade/zormade.ini")));
    return file.open(QIODevice::WriteOnly) && file.write(profile) == profile.size();
}

// The next whole line of the child's output, or an empty one when it ended first.
QByteArray NextLine(QProcess& child) {
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(kChildTimeoutMs)) return {};
    }
    return child.readLine().trimmed();
}

ChildReport ReadReport(QProcess& child, const QString& mode, const QElapsedTimer& clock) {
    ChildReport report;
    const QList<QByteArray> ready = NextLine(child).split(' ');
    report.readyMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (ready.size() != 3 || ready[0] != "ready") return report;
    report.residentKb = ready[1].toLong();
    report.readyCpuUs = ready[2].toLong();
    if (mode != QStringLiteral("game") && mode != QStringLiteral("bare")) {
        const QList<QByteArray> waited = NextLine(child).split(' ');
        if (waited.size() != 4 || waited[0] != "waited") return report;
        report.waitCpuUs = waited[1].toLong();
        report.waitWakeups = waited[2].toLong();
        report.waitedMs = waited[3].toLong();
    }
    report.ok = true;
    return report;
}

}  // namespace

ChildReport RunChild(const QString& mode, const QByteArray& profile) {
    ChildReport report;
    QTemporaryDir home;
    if (!home.isValid() || !WriteProfile(home, profile)) return report;
    QProcess child;
    child.setProcessEnvironment(ChildEnvironment(home));
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe"), mode});
    report = ReadReport(child, mode, clock);
    report.ok = report.ok && child.waitForFinished(kChildTimeoutMs) &&
                child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    // The offscreen platform chatters on every start; only a failed child's words matter.
    if (!report.ok) std::fputs(child.readAllStandardError().constData(), stderr);
    return report;
}

}  // namespace zormade::bench
