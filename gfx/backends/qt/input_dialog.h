// The modal "DROVA_gets" dialog: a prompt, a multi-line edit field and an "Okay" button.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace gfx {

class InputDialog : public QDialog {
public:
    InputDialog(const std::string& prompt, QWidget* parent);
    std::string reply() const;  // the edit field as 8-bit text, at most 255 characters

    QTextEdit* promptText() const { return prompt_; }
    QPlainTextEdit* editField() const { return edit_; }
    QPushButton* okayButton() const { return okay_; }

    void reject() override {}  // closing by other means than "Okay" is not offered

protected:
    // The edit field is multi-line but takes no Enter: Enter presses "Okay".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* prompt_;
    QPlainTextEdit* edit_;
    QPushButton* okay_;
};

}  // namespace gfx
