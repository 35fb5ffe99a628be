#include "cli/RimesWordList.h"

#include "lexicon/DataItems.h"

RimesWordListLoad LoadRimesWordList(WordList &words, const std::optional<QByteArray> &item,
                                    const std::optional<QByteArray> &tables)
{
    std::optional<RuntimeError> error = words.readLines(item, tables);
    if (!error || words.wordCount() > 0) {
        if (const auto cutError = words.cutLines(); cutError && !error)
            error = cutError;
    }
    RimesWordListLoad load;
    load.usable = words.recordCount() > 0;
    if (!load.usable && !error)
        error = RuntimeError::noRecord(DataItems::WordListType);
    if (error) {
        load.message = QStringLiteral("la liste des mots int\u00E9gr\u00E9e est endommag\u00E9e (erreur %1 : %2).")
                           .arg(QString::number(error->number), error->text);
    }
    return load;
}
