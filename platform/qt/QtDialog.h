#pragma once
// A Qt dialog built from a res::DialogTemplate: the controls in rows in template order (a
// control marked newRow starts a row), addressed by their template ids. Enter sends 1,
// Escape and the close box send 2, to the DialogHandler first.
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"
#include "resources/Resources.h"

#include <QPointer>

#include <map>
#include <memory>

class QWidget;

namespace korvane::platform {

class QtDialog : public Dialog {
public:
    QtDialog(const res::DialogTemplate& dialog, DialogHandler& handler, QWidget* parent, bool modal);
    ~QtDialog() override;
    QtDialog(const QtDialog&) = delete;
    QtDialog& operator=(const QtDialog&) = delete;

    // Modal dialogs: runs until End, gives the result.
    int Exec();

    std::string GetTitle() const override;
    void SetTitle(const std::string& title) override;
    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    bool GetCheck(int id) const override;
    void SetCheck(int id, bool checked) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    void ShowControl(int id, bool shown) override;
    void Focus(int id) override;
    int ListAdd(int id, const std::string& text) override;
    void ListClear(int id) override;
    void ListSelect(int id, int index) override;
    int ListSelection(int id) const override;
    int ListCount(int id) const override;
    std::string ListItemText(int id, int index) const override;
    void ScrollSetRange(int id, int minimum, int maximum) override;
    void ScrollSetPosition(int id, int position) override;
    int ScrollPosition(int id) const override;
    void ScrollSetPageStep(int id, int step) override;
    void End(int result) override;
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;

    // The control's widget, or null; for tests.
    QWidget* ControlWidget(int id) const;
    QWidget* Widget() const;
    // From the widgets.
    void Deliver(int id, ControlEvent event);

private:
    struct Control {
        res::ControlTemplate::Kind kind;
        QWidget* widget;
    };
    class Form;

    const Control* Find(int id) const;
    void Build(const res::DialogTemplate& dialog);
    QWidget* MakeControl(const res::ControlTemplate& c);
    void Connect(const res::ControlTemplate& c, QWidget* widget);

    DialogHandler& handler_;
    bool modal_;
    QPointer<Form> form_;
    std::map<int, Control> controls_;
    bool ended_ = false;
    int result_ = ResultCancel;
    bool programmatic_ = false; // set while the program changes a control
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace korvane::platform
