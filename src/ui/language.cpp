#include "ui/language.h"

#include "ui/assets.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavolier {
namespace {

// "de_DE.UTF-8" -> "de", "fr_CA@euro" -> "fr", "pt-BR" -> "pt".
QString languageOf(const QString& locale) {
    QString code = locale.trimmed();
    for (const QChar stop : { QChar('_'), QChar('-'), QChar('.'), QChar('@') }) {
        const qsizetype at = code.indexOf(stop);
        if (at >= 0)
            code.truncate(at);
    }
    return code.toLower();
}

} // namespace

QString chooseLanguage(const QString& asked,
    const std::function<QString(const char* name)>& environment, const QStringList& available) {
    const QString english = QStringLiteral("en");
    QStringList wanted;
    if (!asked.isEmpty()) {
        wanted << asked;
    } else {
        QString locale = environment("LC_ALL");
        if (locale.isEmpty())
            locale = environment("LC_MESSAGES");
        if (locale.isEmpty())
            locale = environment("LANG");
        // As gettext does: LANGUAGE is not read when the locale is the
        // plain C one (C.UTF-8 too), whose messages are English.
        if (const QString code = languageOf(locale);
            code == QStringLiteral("c") || code == QStringLiteral("posix"))
            return english;
        wanted << environment("LANGUAGE").split(QChar(':'), Qt::SkipEmptyParts) << locale;
    }
    for (const QString& entry : wanted) {
        const QString code = languageOf(entry);
        if (code == english || code == QStringLiteral("c"))
            return english;
        if (available.contains(code))
            return code;
    }
    return english;
}

QStringList defaultTranslationDirs() {
    QStringList dirs;
    for (const QString& dir : defaultAssetDirs())
        dirs << dir + QStringLiteral("/translations");
    dirs.removeDuplicates();
    return dirs;
}

bool asksForLanguage(const QString& asked, const QString& language) {
    return asked.isEmpty() || languageOf(asked) == language;
}

QString translationProblem(const QString& file) {
    QFile qm(file);
    if (!qm.open(QIODevice::ReadOnly))
        return file + QStringLiteral(": ") + qm.errorString();
    const QByteArray bytes = qm.readAll();
    QFile sum(file + QStringLiteral(".sha256"));
    if (!sum.open(QIODevice::ReadOnly))
        return file + QStringLiteral(" has no checksum beside it");
    const QByteArray expected = sum.readAll().trimmed().left(64).toLower();
    if (QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() != expected)
        return file + QStringLiteral(" is damaged (its checksum does not match)");
    return {};
}

std::vector<std::unique_ptr<QTranslator>> installTranslations(
    QCoreApplication& app, const QString& language, const QStringList& dirs, QString* problem) {
    std::vector<std::unique_ptr<QTranslator>> installed;
    // The pictures with words follow the language played, not the desktop's.
    QLocale::setDefault(QLocale(QStringLiteral("en")));
    if (language == QStringLiteral("en") || language.isEmpty())
        return installed;
    auto game = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString& dir : dirs) {
        const QString file = dir + QStringLiteral("/tavolier_") + language + QStringLiteral(".qm");
        if (!QFileInfo::exists(file))
            continue;
        // Qt trusts a .qm file: a damaged one could crash a lookup.
        if (const QString why = translationProblem(file); !why.isEmpty()) {
            if (problem != nullptr && problem->isEmpty())
                *problem = why;
            continue;
        }
        // A file with no message in it (its header alone) is refused too.
        if (game->load(file) && !game->isEmpty()) {
            found = true;
            break;
        }
        if (problem != nullptr && problem->isEmpty())
            *problem = file + QStringLiteral(" holds no translation");
    }
    if (!found)
        return installed;
    // Qt's own texts (the file dialog, the context menus of text fields).
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(qt.get());
        installed.push_back(std::move(qt));
    }
    app.installTranslator(game.get());
    installed.push_back(std::move(game));
    // The program's locale says which pictures with words to show.
    QLocale::setDefault(QLocale(language));
    return installed;
}

QString pictureInLanguage(const AssetFinder& finder, const QString& file) {
    const QLocale locale;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return file;
    const qsizetype dot = file.lastIndexOf(QChar('.'));
    const QString named = file.left(dot) + QChar('_') + locale.name().left(2) + file.mid(dot);
    return finder.find(named).isEmpty() ? file : named;
}

} // namespace tavolier
