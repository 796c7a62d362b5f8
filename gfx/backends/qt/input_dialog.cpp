#include "gfx/backends/qt/input_dialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace gfx {

namespace {
// Dialog units: a quarter of the average character width across, an eighth of its height down.
QRect dialogRect(const QFontMetrics& m, int x, int y, int w, int h) {
    const int bx = m.averageCharWidth(), by = m.height();
    return QRect(x * bx / 4, y * by / 8, w * bx / 4, h * by / 8);
}
}  // namespace

InputDialog::InputDialog(const std::string& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setModal(true);
    const QFontMetrics m(font());
    const QRect frame = dialogRect(m, 50, 50, 185, 92);
    setFixedSize(frame.size());
    if (parent) move(parent->mapToGlobal(frame.topLeft()));

    // Static text that breaks anywhere when a word is wider than the line, so even a
    // prompt without spaces shows whole.
    prompt_ = new QTextEdit(this);
    prompt_->setObjectName(QStringLiteral("prompt"));
    prompt_->setPlainText(QString::fromLatin1(prompt.c_str()));
    prompt_->setReadOnly(true);
    prompt_->setFrameShape(QFrame::NoFrame);
    prompt_->setFocusPolicy(Qt::NoFocus);
    prompt_->setTextInteractionFlags(Qt::NoTextInteraction);
    prompt_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    prompt_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    prompt_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    prompt_->viewport()->setAutoFillBackground(false);
    prompt_->document()->setDocumentMargin(0);
    prompt_->setGeometry(dialogRect(m, 8, 3, 167, 24));

    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("edit"));
    edit_->setGeometry(dialogRect(m, 8, 30, 167, 37));
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->installEventFilter(this);

    okay_ = new QPushButton(QStringLiteral("Okay"), this);
    okay_->setObjectName(QStringLiteral("okay"));
    okay_->setDefault(true);
    okay_->setGeometry(dialogRect(m, 67, 74, 50, 14));
    connect(okay_, &QPushButton::clicked, this, [this] { done(1); });
    edit_->setFocus();
}

bool InputDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            okay_->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::string InputDialog::reply() const {
    std::string out;
    for (QChar c : edit_->toPlainText()) {
        if (out.size() == 255) break;
        // 8-bit text: characters without a Latin-1 byte are left out
        if (c.unicode() <= 0xFF) out.push_back(static_cast<char>(c.unicode()));
    }
    return out;
}

}  // namespace gfx
