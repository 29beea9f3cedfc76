// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zormade {

// The language the texts are written in, shown where nothing else is chosen.
inline const QString kSourceLanguage = QStringLiteral("ja");

// The source language and every language the program carries a translation for.
QStringList AvailableLanguages();

// The language a desktop's list (most wanted first, as QLocale::uiLanguages gives it) asks for:
// the first that is available; the source language for the C locale and when none is.
QString LanguageForDesktop(const QStringList& uiLanguages);

// Shows every text in `language` from now on; false, leaving the texts as they were, when the
// program carries no translation for it.
bool UseLanguage(const QString& language);
// The same from a compiled translation file.
bool UseTranslationFile(const QString& qmPath, const QString& language);
QString CurrentLanguage();

// A text read from the resources, in the chosen language. Context and comment are those the
// translation file gives the text; line ends come back as the source has them. Where the text has
// no translation under its comment, Qt takes that of the same text in the same context, and
// where there is none, the source is shown.
QString Translate(const QString& context, const QString& source, const QString& comment);

}  // namespace zormade
