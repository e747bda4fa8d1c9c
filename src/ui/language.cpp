// SPDX-License-Identifier: MIT
#include "ui/language.h"

#include "ui/widgets/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include <memory>
#include <vector>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void initGrimswardTranslations()
{
    Q_INIT_RESOURCE(translations);
}

namespace gw {

namespace {

const char *const kOwnLanguage = "de";
// The name a translation gives itself, "Deutsch" translated.
const char *const kLanguageName = QT_TRANSLATE_NOOP("gw::Language", "Deutsch");

QString translationFile(const QString &code) { return QStringLiteral(":/i18n/grimsward_%1.qm").arg(code); }

struct Current {
    QString code = kOwnLanguage;
    std::unique_ptr<QTranslator> translator;
};

Current &current()
{
    static Current c;
    return c;
}

} // namespace

QList<Language> languages()
{
    static const bool ready = (initGrimswardTranslations(), true);
    (void)ready;
    QList<Language> list{{kOwnLanguage, QString::fromUtf8(kLanguageName)}};
    const QStringList files = QDir(":/i18n").entryList({"grimsward_*.qm"}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString code = file.mid(10, file.size() - 13); // grimsward_<code>.qm
        QTranslator t;
        if (code != kOwnLanguage && t.load(translationFile(code)))
            list.append({code, t.translate("gw::Language", kLanguageName)});
    }
    return list;
}

QString nextLanguage(const QString &code)
{
    const QList<Language> all = languages();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].code == code)
            return all[(i + 1) % all.size()].code;
    }
    return kOwnLanguage;
}

QString currentLanguage() { return current().code; }

void setLanguage(const QString &code)
{
    Current &c = current();
    if (code == c.code)
        return;
    languages(); // the translations' resources are there
    auto translator = std::make_unique<QTranslator>();
    const bool translated = code != kOwnLanguage && translator->load(translationFile(code));
    if (c.translator)
        QCoreApplication::removeTranslator(c.translator.get());
    c.translator.reset();
    c.code = kOwnLanguage;
    if (translated) {
        QCoreApplication::installTranslator(translator.get());
        c.translator = std::move(translator);
        c.code = code;
    }
}

QStringList inEveryLanguage(const char *scope, const char *text)
{
    // The translations are loaded once; they are compiled into the program.
    static const std::vector<std::unique_ptr<QTranslator>> all = [] {
        std::vector<std::unique_ptr<QTranslator>> loaded;
        for (const Language &language : languages()) {
            auto t = std::make_unique<QTranslator>();
            if (language.code != kOwnLanguage && t->load(translationFile(language.code)))
                loaded.push_back(std::move(t));
        }
        return loaded;
    }();
    QStringList texts{QString::fromUtf8(text)};
    for (const auto &t : all) {
        const QString translated = t->translate(scope, text);
        texts << (translated.isEmpty() ? QString::fromUtf8(text) : translated);
    }
    return texts;
}

QImage wordPicture(const QString &name)
{
    initResources();
    const QString own = currentLanguage() + "/" + name;
    if (currentLanguage() != kOwnLanguage && QFile::exists(":/" + own))
        return resourcePicture(own);
    return resourcePicture(name);
}

} // namespace gw
