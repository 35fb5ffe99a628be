#pragma once

// The program's help pages, shipped in "help/" beside it or in the installed
// data folder (AppPaths): what the program does, the rhyme categories, search
// tips, the spelling checker, the synonyms window and a short FAQ. The
// "Site", "Site internet" and "Voir la FAQ" buttons open them in the user's
// browser; a failure is not reported.
#include <QString>
#include <QUrl>

namespace HelpSite {
enum class Section { Home, Faq };

QString pagePath(const QString &appDir);
QUrl pageUrl(const QString &appDir, Section section);

// True when the browser was asked to show the page. A missing page is not
// handed over at all.
bool open(const QString &appDir, Section section = Section::Home);
} // namespace HelpSite
