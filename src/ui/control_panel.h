#pragma once
// Builds one widget per shown control of the control table and lays them out:
// the command and editing panels down the left, text entry and the group-mode
// box along the top. The preview takes the rest of the client area; the editor
// places it from the main-item edit box, so nothing is laid out there.
#include "editor/control_table.h"

#include <QGroupBox>
#include <QWidget>
#include <map>

namespace sw {

// A group box whose enabled state greys only its caption. The panel's group
// boxes frame controls that are enabled and disabled one by one; disabling a
// frame must not lock the controls inside it.
class PanelGroupBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    void setCaptionEnabled(bool on);
    bool captionEnabled() const { return captionEnabled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool captionEnabled_ = true;
};

struct ControlWidgets {
    std::map<int, QWidget*> byId; // every control of a shown section, by id
    QWidget* leftPanel = nullptr;
    QWidget* topRow = nullptr;
};

// The widgets are children of `client`. Controls of the hidden section get no
// widget. A step button keeps its caption in the "swCaption" property and
// shows its picture instead.
ControlWidgets BuildControlPanel(QWidget* client);

// The caption of a control's widget, as the table wrote it.
QString WidgetCaption(const QWidget* w);
void SetWidgetCaption(QWidget* w, const QString& caption);

} // namespace sw
