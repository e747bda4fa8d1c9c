// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace gw {

// The languages the game speaks: German, its own, and every translation
// compiled into it (":/i18n/grimsward_<code>.qm").
struct Language {
    QString code; // "de", "en"
    QString name; // in the language itself: "Deutsch", "English"
};

// German first, then the translations in the order of their codes.
QList<Language> languages();
// The language after this one, round the list.
QString nextLanguage(const QString &code);

QString currentLanguage();
// Installs the translation of `code`; German, or a code with no
// translation, removes it. Qt then tells every widget to retranslate itself.
void setLanguage(const QString &code);

// A text of the program in German and in every translation, in the order
// of languages(); the German text stands for a language without it.
QStringList inEveryLanguage(const char *scope, const char *text);

// A picture with words in the current language: ":/<code>/<name>" when
// the language has one, else the German ":/<name>".
QImage wordPicture(const QString &name);

} // namespace gw
