#pragma once

// A main window over a small word list made in the test, in a directory of
// its own, with its message boxes answered by the test and no pause between
// search stages.
#include "lexicon/AppGlobals.h"
#include "lexicon/LexiconData.h"
#include "lexicon/TextCodec.h"
#include "lexicon/WordList.h"
#include "support/TestSupport.h"
#include "ui/main/FrmDisplay.h"
#include "ui/windows/FirstStart.h"

#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct ShownMessage {
    QMessageBox::Icon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Around 'porte': rich, approximate and ending rhymes, and a word with no
// rich rhyme at all.
inline void fillWords(WordList &words)
{
    struct Row {
        const char *headword, *exact, *approx, *tail;
        int conjugated, syllables;
        const char *categories;
    };
    const Row rows[] = {
        {"porte", "ort", "or", "porte", 0, 1, "NOM;VER"},
        {"morte", "ort", "or", "morte", 0, 1, "ADJ;NOM"},
        {"sorte", "ort", "or", "sorte", 1, 1, "VER"},
        {"fort", "or", "or", "fort", 0, 1, "ADJ"},
        {"trésor", "or", "or", "trésor", 0, 2, "NOM"},
        {"emporte", "ort", "or", "emporte", 1, 2, "VER"},
        {"zzyxq", "zzyxq", "zzyxq", "zzyxq", 0, 1, "NOM"},
    };
    QList<QByteArray> lines;
    for (const Row &row : rows)
        lines.append(TestSupport::wordListLine(QString::fromUtf8(row.headword), QString::fromUtf8(row.exact),
                                               QString::fromUtf8(row.approx), QString::fromUtf8(row.tail),
                                               row.conjugated, row.syllables, QString::fromUtf8(row.categories)));
    QVERIFY(!words.readLines(TestSupport::wordListItem(lines)));
    QVERIFY(!words.cutLines());
}

class FrmDisplayFixture {
public:
    FrmDisplayFixture()
    {
        AppGlobals &globals = AppGlobals::instance();
        globals.appDir = dir.path() + QLatin1Char('/');
        // A program that has started here before: no tips in the way.
        FirstStart::markStarted(globals.appDir);
        globals.preferences = AppPreferences {};
        globals.spellingDone = false;
        fillWords(data.words);
    }

    // The options file the window will read, as lines.
    void writeOptions(const QStringList &lines)
    {
        QFile file(optionsPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(TextCodec::toWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }

    QString optionsPath() const { return dir.path() + QStringLiteral("/Option.ret"); }

    // Loads the window and waits for its deferred start.
    FrmDisplay &open()
    {
        window = std::make_unique<FrmDisplay>(data);
        window->StageDelayMs = 0;
        window->showMessage = [this](QMessageBox::Icon icon, const QString &text,
                                     QMessageBox::StandardButtons buttons) {
            messages.append({icon, text, buttons});
            return answer;
        };
        window->showSecondaryMessage = [this] { ++secondaryMessages; };
        if (!QTest::qWaitFor([this] { return window->uiReady(); }, 2000))
            qWarning("the main window did not start");
        return *window;
    }

    // Types into the input box as the user would.
    void type(const QString &text)
    {
        window->T1->clear();
        QTest::keyClicks(window->T1, text);
    }

    // Starts a search and waits until its last stage has run.
    bool searchAndWait()
    {
        window->StartSearch();
        return QTest::qWaitFor([this] { return !window->searchRunning(); }, 3000);
    }

    QTemporaryDir dir;
    LexiconData data;
    std::unique_ptr<FrmDisplay> window;
    QList<ShownMessage> messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    int secondaryMessages = 0;
};
