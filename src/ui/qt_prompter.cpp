#include "ui/qt_prompter.h"

#include "ui/font_panel.h"
#include "ui/print_image.h"
#include "ui/rotation_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace sw {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Windows message boxes put the line breaks in as "\r\n"; Qt shows the "\r" as a
// blank box in some styles.
QString ForDisplay(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.remove(QLatin1Char('\r'));
    return out;
}

} // namespace

QtPrompter::QtPrompter(QWidget* parent)
    : parent_(parent)
{
}

PromptAnswer QtPrompter::message(const QString& text, const QString& caption, MessageButtons buttons,
                                 MessageIcon icon)
{
    QMessageBox box(parent_);
    box.setWindowTitle(caption.isEmpty() ? QApplication::applicationDisplayName() : caption);
    box.setText(ForDisplay(text));
    box.setIcon(ToQtIcon(icon));
    box.setTextFormat(Qt::PlainText);

    QMessageBox::StandardButtons set;
    QMessageBox::StandardButton escape = QMessageBox::NoButton;
    switch (buttons) {
    case MessageButtons::Ok:
        set = QMessageBox::Ok;
        escape = QMessageBox::Ok;
        break;
    case MessageButtons::OkCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    case MessageButtons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
    case MessageButtons::YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    }
    box.setStandardButtons(set);
    box.setEscapeButton(escape);
    // A wait cursor left over from the work that led here must not sit on the box.
    const bool restore = waitDepth_ > 0;
    if (restore)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (restore)
        QApplication::restoreOverrideCursor();

    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton pressed
        = clicked ? box.standardButton(clicked) : escape;
    switch (pressed) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        break;
    }
    return buttons == MessageButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
}

std::optional<QString> QtPrompter::openFile(const FileDialogRequest& request)
{
    if (!presetOpen_.isEmpty()) {
        const QString path = presetOpen_;
        presetOpen_.clear();
        return path;
    }
    QFileDialog dialog(parent_, request.title, request.startFolder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompter::saveFile(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, request.title, request.startFolder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<int> QtPrompter::askRotation(int lastChoice)
{
    CImageRotationSelectionDialog dialog(parent_);
    dialog.setRotationChoice(lastChoice);
    const bool restore = waitDepth_ > 0;
    if (restore)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    dialog.exec();
    if (restore)
        QApplication::restoreOverrideCursor();
    // OK and Escape both leave the choice as the radio buttons last set it.
    const int choice = dialog.rotationChoice();
    if (choice < 0 || choice > 2)
        return std::nullopt;
    return choice;
}

FontPanelResult QtPrompter::fontFilePanel(const FontPanelRequest& request)
{
    FontFilePanel panel(request, parent_);
    panel.exec();
    return panel.result();
}

bool QtPrompter::printImage(const QString& imagePath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(imagePath).fileName());
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("Print Menu Board"));
    const bool restore = waitDepth_ > 0;
    if (restore)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (restore)
        QApplication::restoreOverrideCursor();
    if (!accepted)
        return false;
    WaitCursor wait(*this);
    if (PrintImageFile(imagePath, printer))
        return true;
    message(QStringLiteral("The menu board could not be printed."), {}, MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

void QtPrompter::beginWait()
{
    ++waitDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPrompter::endWait()
{
    if (waitDepth_ == 0)
        return;
    --waitDepth_;
    QApplication::restoreOverrideCursor();
}

} // namespace sw
