// rimes: the rhyme dictionary's search on the command line.
#include "cli/RimesCommand.h"
#include "cli/RimesReport.h"
#include "lexicon/AppGlobals.h"
#include "lexicon/DataItems.h"
#include "lexicon/WordList.h"
#include "search/SearchRun.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

void writeTo(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void printError(const QString &message)
{
    writeTo(stderr, QStringLiteral("rimes : %1\n").arg(message).toUtf8());
}

// The word list as the loading window reads it, from the same built-in item.
// Like the program, a damaged list is used as far as it could be read; only
// an empty one stops the command.
bool loadWordList(WordList &words)
{
    std::optional<RuntimeError> error =
        words.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId));
    if (!error || words.wordCount() > 0) {
        if (const auto cutError = words.cutLines(); cutError && !error)
            error = cutError;
    }
    if (!error)
        return true;
    const int usable = words.wordCount();
    printError(QStringLiteral("la liste des mots int\u00E9gr\u00E9e est endommag\u00E9e (erreur %1 : %2).")
                   .arg(error->number).arg(error->text));
    return usable > 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const RimesParse parse = ParseRimesArguments(arguments);
    if (!parse.ok()) {
        printError(parse.error);
        return RimesExit::BadArguments;
    }
    const RimesRequest &request = parse.request;
    switch (request.action) {
    case RimesRequest::Action::Help:
        writeTo(stdout, RimesHelpText().toUtf8());
        return RimesExit::Results;
    case RimesRequest::Action::Version:
        writeTo(stdout, QStringLiteral("rimes (Versalune) %1\n").arg(AppGlobals::appVersion()).toUtf8());
        return RimesExit::Results;
    case RimesRequest::Action::Export:
    case RimesRequest::Action::Search:
        break;
    }
    for (const QString &note : request.notes)
        printError(note);

    WordList words;
    if (!loadWordList(words))
        return RimesExit::DataUnreadable;

    if (request.action == RimesRequest::Action::Export) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || !WriteWordListExport(words, out)) {
            printError(QStringLiteral("l'export n'a pas pu \u00EAtre \u00E9crit."));
            return RimesExit::DataUnreadable;
        }
        return RimesExit::Results;
    }

    SearchRun run(words, request.parameters);
    run.runAll();
    writeTo(stdout, request.json ? RimesJson(run) : RimesText(run).toUtf8());
    const bool found = run.exactCount() + run.approxCount() + run.endingCount() > 0;
    return found ? RimesExit::Results : RimesExit::NothingFound;
}
