#pragma once

#include <QString>

// A failure of a loading stage or a file read: the error number and its text,
// as shown in the error window. 53 and 62 are the two numbers the program
// tells apart (a missing file, a file that ends too early).
struct RuntimeError {
    int number = 0;
    QString text;

    static constexpr int FileNotFound = 53;
    static constexpr int ReadPastEnd = 62;
    static constexpr int OutOfRange = 9;
    static constexpr int TypeMismatch = 13;
    static constexpr int InvalidCall = 5;
    static constexpr int Overflow = 6;
    static constexpr int ItemNotFound = 326;

    static RuntimeError fileNotFound(const QString &fileName);
    static RuntimeError readPastEnd(const QString &fileName);
    static RuntimeError outOfRange();
    static RuntimeError typeMismatch();
    static RuntimeError invalidCall();
    static RuntimeError overflow();
    static RuntimeError itemNotFound(const QString &type, int id);
    static RuntimeError fileError(const QString &fileName, const QString &reason);
    // A file that is there but cannot be read (no permission, a directory,
    // a pipe): number 53 like a missing file, as the user can do the same
    // about both.
    static RuntimeError fileUnreadable(const QString &fileName, const QString &reason);
    // A data item read without trouble that still gave no usable line.
    static RuntimeError noRecord(const QString &itemName);
};
