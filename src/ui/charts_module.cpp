// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/charts_module.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zormade {

ShowRunChartsFn LoadRunCharts(QString& error) {
    static ShowRunChartsFn show = nullptr;
    if (show) return show;
    QStringList folders = QCoreApplication::libraryPaths();
    folders << QCoreApplication::applicationDirPath() + QStringLiteral("/" ZORMADE_MODULE_DIR);
    QLibrary library;
    for (const QString& folder : folders) {
        library.setFileName(folder + QStringLiteral("/zormade-charts"));
        if (library.load()) break;
    }
    show = reinterpret_cast<ShowRunChartsFn>(library.resolve(kShowRunChartsSymbol));
    if (!show) error = library.errorString();
    return show;
}

}  // namespace zormade
