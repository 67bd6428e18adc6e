#pragma once
// The question asked when a portrait board's TV image is saved: turn the image
// for the screen, or not.
#include <QDialog>

class QRadioButton;

namespace sw {

inline const QString kRotationCaption = QStringLiteral("TV Image Rotation");
inline const QString kRotationExplanation
    = QStringLiteral("The TV Image File Rotation can be set to NONE,\n Clockwise (CW), or Counterclockwise (CCW)\n to accomodate portrait style menu boards.");
inline const QString kRotationGroupCaption = QStringLiteral("TV Image File Rotation");

class CImageRotationSelectionDialog : public QDialog {
    Q_OBJECT
public:
    enum { IdNone = 1121, IdClockwise = 1122, IdCounterClockwise = 1123 };

    explicit CImageRotationSelectionDialog(QWidget* parent = nullptr);

    // 0 none, 1 clockwise, 2 counter-clockwise. The caller reads it whatever
    // button ended the dialog.
    int rotationChoice() const { return choice_; }
    void setRotationChoice(int choice);

    QRadioButton* radio(int id) const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showChoice();
    void choose(int choice);

    int choice_ = 0;
    QRadioButton* none_;
    QRadioButton* cw_;
    QRadioButton* ccw_;
};

} // namespace sw
