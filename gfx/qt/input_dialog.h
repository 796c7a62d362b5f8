// The modal "DROVA_gets" dialog: a prompt, a multi-line edit field and an "Okay" button.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace gfx {

class InputDialog : public QDialog {
public:
    InputDialog(const std::string& prompt, QWidget* parent);
    std::string reply() const;  // the edit field as 8-bit text, at most 255 characters

    QLabel* promptLabel() const { return prompt_; }
    QPlainTextEdit* editField() const { return edit_; }
    QPushButton* okayButton() const { return okay_; }

    void reject() override {}  // closing by other means than "Okay" is not offered

private:
    QLabel* prompt_;
    QPlainTextEdit* edit_;
    QPushButton* okay_;
};

}  // namespace gfx
