// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/qrc_writer.h"

namespace picgen {

QByteArray ResourceCollection(const QString& prefix, const QStringList& fileNames) {
    // REUSE-IgnoreStart: the licence line of the written file, not of this one
    QString text = QStringLiteral(
                       "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n<!DOCTYPE RCC>\n<RCC "
                       "version=\"1.0\">\n<qresource prefix=\"%1\">\n")
                       .arg(prefix);
    // REUSE-IgnoreEnd
    for (const QString& name : fileNames)
        text += QStringLiteral("    <file alias=\"%1\">%1</file>\n").arg(name);
    text += QStringLiteral("</qresource>\n</RCC>\n");
    return text.toUtf8();
}

}  // namespace picgen
