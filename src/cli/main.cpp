// rimes: the rhyme dictionary's search on the command line.
#include "cli/RimesCommand.h"
#include "cli/RimesOutput.h"
#include "cli/RimesReport.h"
#include "cli/RimesScansion.h"
#include "cli/RimesWordList.h"
#include "lexicon/AppGlobals.h"
#include "lexicon/DataItems.h"
#include "lexicon/WordList.h"
#include "search/SearchRun.h"
#include "verse/PoemScanner.h"
#include "verse/VerseLexicon.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

void printError(const QString &message)
{
    RimesOutput errors(stderr);
    errors.write(QStringLiteral("rimes : %1\n").arg(message).toUtf8());
    errors.finish();
}

// A standard stream the caller closed must not be taken by the next file
// the program opens, or its output would land in that file. Each is held by
// a read-only /dev/null instead, on which a write fails as on a closed stream.
void holdClosedStreams()
{
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int held = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (held >= 0 && held != stream) {
            ::dup2(held, stream);
            ::close(held);
        }
    }
}

// The word from the first line of standard input, when that is a pipe or a
// file rather than a terminal.
std::optional<QString> wordFromStandardInput()
{
    if (::isatty(STDIN_FILENO))
        return std::nullopt;
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return std::nullopt;
    const QString line = QString::fromUtf8(input.readLine(4096)).trimmed();
    if (line.isEmpty())
        return std::nullopt;
    return line;
}

// The words after the program's name, decoded as the system's 8-bit text.
QStringList CommandArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The status of a command whose output is complete, or the output error.
int finished(RimesOutput &out, int status)
{
    if (out.finish())
        return status;
    printError(out.failureText());
    return RimesExit::OutputFailed;
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStreams();
    // No application object: rimes runs no event loop, and making one costs
    // a short search's time again. The arguments are read as Qt reads them.
    const QStringList arguments = CommandArguments(argc, argv);

    const RimesParse parse = ParseRimesArguments(arguments, wordFromStandardInput);
    if (!parse.ok()) {
        printError(parse.error);
        return RimesExit::BadArguments;
    }
    RimesOutput out(stdout);
    const RimesRequest &request = parse.request;
    switch (request.action) {
    case RimesRequest::Action::Help:
        out.write(RimesHelpText().toUtf8());
        return finished(out, RimesExit::Results);
    case RimesRequest::Action::Version:
        out.write(QStringLiteral("rimes (Versalune) %1\n").arg(AppGlobals::appVersion()).toUtf8());
        return finished(out, RimesExit::Results);
    case RimesRequest::Action::Export:
    case RimesRequest::Action::Search:
    case RimesRequest::Action::Scan:
        break;
    }
    PoemFileRead poem;
    if (request.action == RimesRequest::Action::Scan) {
        poem = ReadPoemFile(request.scanFile);
        if (!poem.ok()) {
            printError(poem.error);
            return RimesExit::BadArguments;
        }
    }
    for (const QString &note : request.notes)
        printError(note);

    WordList words;
    const RimesWordListLoad load =
        LoadRimesWordList(words, DataItems::read(DataItems::WordListType, DataItems::WordListId),
                          DataItems::read(DataItems::WordListTablesType, DataItems::WordListId));
    if (!load.message.isEmpty())
        printError(load.message);
    if (!load.usable)
        return RimesExit::DataUnreadable;

    if (request.action == RimesRequest::Action::Scan) {
        const VerseLexicon lexicon(words);
        PoemScanner scanner(lexicon);
        scanner.setText(poem.text);
        out.write(request.json ? ScansionJson(scanner.lines()) : ScansionText(scanner.lines()));
        return finished(out, RimesExit::Results);
    }

    if (request.action == RimesRequest::Action::Export) {
        RimesOutputDevice device(out);
        WriteWordListExport(words, device);
        return finished(out, RimesExit::Results);
    }

    SearchRun run(words, request.parameters);
    run.runAll();
    out.write(request.json ? RimesJson(run) : RimesText(run).toUtf8());
    const bool found = run.exactCount() + run.approxCount() + run.endingCount() > 0;
    return finished(out, found ? RimesExit::Results : RimesExit::NothingFound);
}
