#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>
#include <memory>
#include <vector>

class QCoreApplication;

namespace tavolier {

// The languages the game speaks besides English, whose texts are its own.
inline const QStringList kTranslatedLanguages { QStringLiteral("de"), QStringLiteral("fr") };

// The language the player asked for: `--lang CODE` when given, else the
// desktop's, read as gettext reads it (LC_ALL, then LC_MESSAGES, then LANG;
// LANGUAGE's list comes first unless the locale is "C"). The first language
// of `available` named there wins; English ("en") otherwise, and for "C".
[[nodiscard]] QString chooseLanguage(const QString& asked,
    const std::function<QString(const char* name)>& environment, const QStringList& available);

// Where the game's .qm files are looked for: beside the program (the build
// tree) and in the installed data folder.
[[nodiscard]] QStringList defaultTranslationDirs();

// Loads the game's translation for language from dirs, and Qt's own for its
// stock texts, and installs them in app. English loads nothing. Returns the
// translators (they must outlive their use); empty when the game's file was
// not found, and then the game speaks English.
// A .qm file is loaded only when it matches the checksum written beside it
// at build time ("tavolier_de.qm.sha256") and holds messages; problem, when
// given, then says why one was passed over. The program's locale (which
// pictures with words are shown) is the language's, English when none loads.
std::vector<std::unique_ptr<QTranslator>> installTranslations(QCoreApplication& app,
    const QString& language, const QStringList& dirs, QString* problem = nullptr);

// Why a .qm file cannot be trusted (unreadable, no checksum beside it, or one
// that does not match); empty when it can.
[[nodiscard]] QString translationProblem(const QString& file);

// Whether the language chosen is the one asked for ("de_DE" asks for "de").
[[nodiscard]] bool asksForLanguage(const QString& asked, const QString& language);

class AssetFinder;

// A picture that carries words, in the language the game speaks when it
// was painted for it ("rules_de.jpg" for "rules.jpg"); else the file itself.
[[nodiscard]] QString pictureInLanguage(const AssetFinder& finder, const QString& file);

} // namespace tavolier
