#include "search/QueryPreparation.h"

#include "lexicon/TextReplace.h"

#include <algorithm>

const QString &AllowedInputCharacters()
{
    static const QString allowed = QStringLiteral(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
        "\u00E9\u00E8\u00E7\u00E0\u00F9\u00E2\u00EA\u00EE\u00F4\u00FB\u00E4\u00EB\u00EF\u00F6\u00FC-"
        "\u00C9\u00C8\u00C7\u00C0\u00D9\u00C2\u00CA\u00CE\u00D4\u00DB\u00C4\u00CB\u00CF\u00D6\u00DC");
    return allowed;
}

bool IsAllowedInputCharacter(QChar c)
{
    return AllowedInputCharacters().contains(c);
}

QString LastWordAfterApostrophe(const QString &text)
{
    const qsizetype straight = text.lastIndexOf(QLatin1Char('\''));
    const qsizetype curly = text.lastIndexOf(QChar(0x2019));
    const qsizetype last = std::max(straight, curly);
    return last < 0 ? text : text.mid(last + 1);
}

QString SpellOutLigatures(const QString &text)
{
    // A pasted text may carry its accents as separate marks: composing them
    // first keeps 'é' an 'é' instead of losing the accent.
    QString spelled = text.normalized(QString::NormalizationForm_C);
    spelled.replace(QChar(0x0153), QLatin1String("oe"));
    spelled.replace(QChar(0x00E6), QLatin1String("ae"));
    spelled.replace(QChar(0x0152), QLatin1String("Oe"));
    spelled.replace(QChar(0x00C6), QLatin1String("Ae"));
    return spelled;
}

namespace {
// The alphabet of the input box, and the apostrophe where it is kept.
QString keepAlphabet(const QString &text, bool keepApostrophe)
{
    QString composed = SpellOutLigatures(text);
    composed.replace(QChar(0x2019), QLatin1Char('\''));

    QString kept;
    kept.reserve(composed.size());
    for (const QChar c : std::as_const(composed)) {
        if (IsAllowedInputCharacter(c) || (keepApostrophe && c == QLatin1Char('\'')))
            kept.append(c);
    }
    return kept;
}
} // namespace

QString FilterInputText(const QString &text)
{
    return keepAlphabet(LastWordAfterApostrophe(text), false);
}

QString FilterInputBoxText(const QString &text)
{
    return keepAlphabet(text, true);
}

namespace {

// When w ends with ending, replaces that ending by replacement.
bool rewriteEnding(QString &w, QLatin1StringView ending, const QString &replacement)
{
    if (!w.endsWith(ending))
        return false;
    w.chop(ending.size());
    w.append(replacement);
    return true;
}

} // namespace

QString PrepareSearchKey(const QString &typedText)
{
    const QString e = QStringLiteral("\u00E9");
    const QString o = QStringLiteral("o");
    QString w = typedText.toLower();

    // Written endings that sound like "é", on the whole text. Each test sees
    // the text as the previous one left it.
    rewriteEnding(w, QLatin1StringView("ai"), e);
    rewriteEnding(w, QLatin1StringView("aie"), e);
    rewriteEnding(w, QLatin1StringView("ais"), e);
    rewriteEnding(w, QLatin1StringView("ait"), e);
    rewriteEnding(w, QLatin1StringView("aient"), e);

    // Written tails hold at most seven characters.
    if (w.size() > 7)
        w = w.right(7);

    // Endings that sound like "o", on the last seven characters only.
    rewriteEnding(w, QLatin1StringView("eaux"), o);
    if (!rewriteEnding(w, QLatin1StringView("eau"), o))
        rewriteEnding(w, QLatin1StringView("au"), o);

    // Accents folded as the written tails fold them; "é", "ï", "ü" stay.
    static const char16_t *const folds[][2] = {
        {u"\u00E0", u"a"}, {u"\u00E2", u"a"}, {u"\u00E4", u"a"},
        {u"\u00E8", u"\u00E9"}, {u"\u00EA", u"\u00E9"}, {u"\u00EB", u"\u00E9"},
        {u"\u00EE", u"i"}, {u"\u00E7", u"c"}, {u"\u00F4", u"o"}, {u"\u00F6", u"o"},
        {u"\u00F9", u"u"}, {u"\u00FB", u"u"}, {u"-", u" "},
    };
    for (const auto &fold : folds)
        w = sChangeCaractere(w, QString::fromUtf16(fold[0]), QString::fromUtf16(fold[1]));
    return w;
}
