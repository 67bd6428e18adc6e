#include "ui/edit_box.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

namespace sw {

int CrLfOffsetToLf(const QString& crlfText, int offset)
{
    offset = qBound(0, offset, int(crlfText.size()));
    int lf = 0;
    for (int i = 0; i < offset; ++i) {
        // The "\r" of a pair has no place of its own in the widget's text.
        if (crlfText.at(i) == QLatin1Char('\r') && i + 1 < crlfText.size() && crlfText.at(i + 1) == QLatin1Char('\n'))
            continue;
        ++lf;
    }
    return lf;
}

int LfOffsetToCrLf(const QString& lfText, int offset)
{
    offset = qBound(0, offset, int(lfText.size()));
    int crlf = offset;
    for (int i = 0; i < offset; ++i)
        if (lfText.at(i) == QLatin1Char('\n'))
            ++crlf;
    return crlf;
}

QString ToCrLf(const QString& lfText)
{
    QString out = lfText;
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString ToLf(const QString& crlfText)
{
    QString out = crlfText;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // A lone "\r" would show as a box; it ends a line as it does in the layout.
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

EditBox::EditBox(int id, bool verticalScrollBar, QWidget* parent)
    : QPlainTextEdit(parent)
    , id_(id)
{
    setObjectName(QString::number(id));
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_)
            emit userEdited(id_);
    });
}

QSize EditBox::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.averageCharWidth() * 22, fm.lineSpacing() * 4 + 2 * frameWidth() + 8};
}

void EditBox::setCrLfText(const QString& text)
{
    const QString lf = ToLf(text);
    if (lf == toPlainText())
        return;
    settingText_ = true;
    setPlainText(lf);
    settingText_ = false;
}

void EditBox::setCrLfSelection(int start, int end)
{
    const QString crlf = crLfText();
    const int a = CrLfOffsetToLf(crlf, start < 0 ? 0 : start);
    // An end of -1 selects to the end of the text, as for a Windows edit box.
    const int b = end < 0 ? int(toPlainText().size()) : CrLfOffsetToLf(crlf, end);
    QTextCursor c(document());
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

int EditBox::crLfSelectionStart() const
{
    return LfOffsetToCrLf(toPlainText(), textCursor().selectionStart());
}

int EditBox::crLfSelectionEnd() const
{
    return LfOffsetToCrLf(toPlainText(), textCursor().selectionEnd());
}

void EditBox::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        if (lastRepeat_.isValid() && lastRepeat_.elapsed() < kSlowestRepeatMs) {
            event->accept();
            return;
        }
        lastRepeat_.restart();
    } else {
        lastRepeat_.invalidate();
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    emit focusChanged(id_, true);
}

void EditBox::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    emit focusChanged(id_, false);
}

} // namespace sw
