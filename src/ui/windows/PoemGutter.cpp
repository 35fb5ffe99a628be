#include "ui/windows/PoemGutter.h"

#include "ui/windows/PoemScansion.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolTip>

namespace {
// The editor's protected geometry, reached by a subclass that adds nothing.
class EditorGeometry : public QPlainTextEdit {
public:
    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;
    using QPlainTextEdit::firstVisibleBlock;
    using QPlainTextEdit::setViewportMargins;
};

EditorGeometry *geometryOf(QPlainTextEdit *editor)
{
    return static_cast<EditorGeometry *>(editor);
}
} // namespace

PoemGutter::PoemGutter(QPlainTextEdit *editor, const PoemScansion &scansion)
    : QWidget(editor), m_editor(editor), m_scansion(scansion)
{
    setObjectName(QStringLiteral("PoemGutter"));
    geometryOf(editor)->setViewportMargins(Width, 0, 0, 0);
    editor->installEventFilter(this);
    connect(editor, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        if (dy != 0)
            scroll(0, dy);
        else
            update(0, rect.y(), width(), rect.height());
    });
}

QString PoemGutter::lineText(const PoemScansion &scansion, int line)
{
    const LineFigures &figures = scansion.figures(line);
    if (figures.blank)
        return {};
    return QStringLiteral("%1  %2  %3  %4")
        .arg(figures.syllables, 2)
        .arg(figures.rhyme, figures.genre, QString(int(figures.warnings.size()), u'!'));
}

void PoemGutter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(238, 242, 251));
    painter.setPen(QColor(88, 128, 190));
    painter.drawLine(width() - 1, event->rect().top(), width() - 1, event->rect().bottom());
    EditorGeometry *editor = geometryOf(m_editor);
    QTextBlock block = editor->firstVisibleBlock();
    const int top = editor->viewport()->y();
    while (block.isValid()) {
        const QRectF bounds = editor->blockBoundingGeometry(block).translated(editor->contentOffset());
        const int y = top + int(bounds.top());
        if (y > event->rect().bottom())
            break;
        const LineFigures &figures = m_scansion.figures(block.blockNumber());
        if (!figures.blank) {
            painter.setPen(figures.warnings.isEmpty() ? QColor(40, 40, 60) : QColor(190, 30, 30));
            // Count, letter, genre and marks each in a column of its own.
            const int h = int(bounds.height());
            painter.drawText(QRect(0, y, 30, h), Qt::AlignRight | Qt::AlignTop, QString::number(figures.syllables));
            painter.drawText(QRect(36, y, 22, h), Qt::AlignHCenter | Qt::AlignTop, figures.rhyme);
            painter.drawText(QRect(60, y, 16, h), Qt::AlignHCenter | Qt::AlignTop, figures.genre);
            painter.drawText(QRect(80, y, width() - 84, h), Qt::AlignLeft | Qt::AlignTop,
                             QString(int(figures.warnings.size()), u'!'));
        }
        block = block.next();
    }
}

// Follows the editor's size, standing in the margin left of its text.
bool PoemGutter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::Resize) {
        const QRect area = m_editor->contentsRect();
        setGeometry(area.x(), area.y(), Width, area.height());
    }
    return QWidget::eventFilter(watched, event);
}

int PoemGutter::lineAt(int y) const
{
    EditorGeometry *editor = geometryOf(m_editor);
    const int top = editor->viewport()->y();
    for (QTextBlock block = editor->firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF bounds = editor->blockBoundingGeometry(block).translated(editor->contentOffset());
        if (y < top + bounds.bottom())
            return y >= top + bounds.top() ? block.blockNumber() : -1;
    }
    return -1;
}

bool PoemGutter::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QStringList warnings = m_scansion.figures(lineAt(help->pos().y())).warnings;
        if (warnings.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), warnings.join(u'\n'), this);
        return true;
    }
    return QWidget::event(event);
}
