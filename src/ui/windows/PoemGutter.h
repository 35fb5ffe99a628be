#pragma once

// The band beside the poem's lines, drawn like a line-number area: for each
// line its syllable count, rhyme letter, genre and a mark per warning.
#include <QWidget>

class QPlainTextEdit;
class PoemScansion;

class PoemGutter : public QWidget {
    Q_OBJECT
public:
    PoemGutter(QPlainTextEdit *editor, const PoemScansion &scansion);

    static constexpr int Width = 110;
    // The text drawn for one line ("12  A  f  !").
    static QString lineText(const PoemScansion &scansion, int line);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int lineAt(int y) const;

    QPlainTextEdit *m_editor;
    const PoemScansion &m_scansion;
};
