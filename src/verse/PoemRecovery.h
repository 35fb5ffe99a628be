#pragma once

// The safety copy of a poem not yet saved: written every few seconds in the
// user's data folder, offered back at the next start if the program did not
// close cleanly, removed on a clean save or a deliberate discard.
#include <QString>

#include <optional>

class PoemRecovery {
public:
    // The folder defaults to the user's data folder for Versalune.
    explicit PoemRecovery(const QString &folder = defaultFolder());

    static QString defaultFolder();

    struct Copy {
        QString text;
        QString originalPath; // empty for a poem never saved
    };

    // False (with a French message) when the copy could not be written.
    bool write(const QString &text, const QString &originalPath, QString *error = nullptr);
    std::optional<Copy> pending() const;
    void discard();

    QString copyPath() const;

private:
    QString pathNotePath() const;
    QString m_folder;
};
