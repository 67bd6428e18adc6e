#pragma once
// DialogControls that only records: every control starts as the control table
// says, and tests read back what the editor did to it.
#include "editor/control_table.h"
#include "editor/dialog_controls.h"

#include <map>
#include <stdexcept>
#include <string>

namespace sw::test {

class FakeControls : public DialogControls {
public:
    struct State {
        bool Enabled = true;
        bool Visible = true;
        bool Checked = false;
        QString Caption;
        QString Text;
        int SelStart = 0;
        int SelEnd = 0;
        QStringList Items;
        int ComboIndex = -1;
        QRect Rect;
    };

    std::map<int, State> controls;
    int focus = 0;
    QString title;
    QSize client{1280, 760};
    int invalidations = 0;
    int clickDiscards = 0;

    FakeControls()
    {
        for (const ControlSpec& c : ControlTable()) {
            State s;
            s.Enabled = c.Enabled;
            s.Visible = c.Visible;
            s.Checked = c.Checked;
            s.Caption = QString::fromUtf8(c.Caption);
            s.Items = ComboItems(c.Id);
            controls[c.Id] = s;
        }
        // A palette box of the size the swatch arithmetic is easiest to check with.
        controls[1017].Rect = QRect(10, 500, 186, 140);
        controls[1000].Rect = QRect(10, 10, 200, 60);
    }

    // Unknown ids are a bug in the editor: fail loudly in tests.
    State& at(int id)
    {
        auto it = controls.find(id);
        if (it == controls.end())
            throw std::out_of_range("no control " + std::to_string(id));
        return it->second;
    }
    const State& at(int id) const { return const_cast<FakeControls*>(this)->at(id); }

    void enable(int id, bool on) override { at(id).Enabled = on; }
    bool isEnabled(int id) const override { return at(id).Enabled; }
    void show(int id, bool visible) override { at(id).Visible = visible; }
    bool isVisible(int id) const override { return at(id).Visible; }
    void check(int id, bool on) override { at(id).Checked = on; }
    bool isChecked(int id) const override { return at(id).Checked; }
    void setCaption(int id, const QString& caption) override { at(id).Caption = caption; }
    QString caption(int id) const override { return at(id).Caption; }
    void setText(int id, const QString& text) override
    {
        auto& s = at(id);
        s.Text = text;
        s.SelStart = s.SelEnd = int(text.size());
    }
    QString text(int id) const override { return at(id).Text; }
    void setSelection(int id, int start, int end) override
    {
        at(id).SelStart = start;
        at(id).SelEnd = end;
    }
    int selectionStart(int id) const override { return at(id).SelStart; }
    int selectionEnd(int id) const override { return at(id).SelEnd; }
    void setFocus(int id) override
    {
        at(id);
        focus = id;
    }
    int focusedControl() const override { return focus; }
    void setComboItems(int id, const QStringList& items) override { at(id).Items = items; }
    QStringList comboItems(int id) const override { return at(id).Items; }
    void setComboSelection(int id, int index) override { at(id).ComboIndex = index; }
    int comboSelection(int id) const override { return at(id).ComboIndex; }
    QRect controlRect(int id) const override { return at(id).Rect; }
    QSize clientSize() const override { return client; }
    void setWindowTitle(const QString& t) override { title = t; }
    void invalidate() override { ++invalidations; }
    void discardQueuedClicks() override { ++clickDiscards; }
};

} // namespace sw::test
