#pragma once
// The multi-line text boxes of the panel. Texts cross the editor port with
// "\r\n" line breaks and offsets into that text; the widget holds "\n".
#include <QElapsedTimer>
#include <QPlainTextEdit>

namespace sw {

// Offsets between a text with "\r\n" breaks and the same text with "\n" breaks.
int CrLfOffsetToLf(const QString& crlfText, int offset);
int LfOffsetToCrLf(const QString& lfText, int offset);
QString ToCrLf(const QString& lfText);
QString ToLf(const QString& crlfText);

class EditBox : public QPlainTextEdit {
    Q_OBJECT
public:
    // Held keys repeat no faster than this: typing a price must not run away
    // while each keystroke redraws the board. The system setting stays as it is.
    static constexpr int kSlowestRepeatMs = 400;

    EditBox(int id, bool verticalScrollBar, QWidget* parent = nullptr);

    int id() const { return id_; }

    // Programmatic changes, never reported as user edits.
    void setCrLfText(const QString& text);
    QString crLfText() const { return ToCrLf(toPlainText()); }
    void setCrLfSelection(int start, int end);
    int crLfSelectionStart() const;
    int crLfSelectionEnd() const;

    QSize sizeHint() const override;

signals:
    // The user changed the text (typing, paste, cut, undo).
    void userEdited(int id);
    void focusChanged(int id, bool in);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int id_;
    bool settingText_ = false;
    QElapsedTimer lastRepeat_;
};

} // namespace sw
