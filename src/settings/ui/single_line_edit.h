#pragma once

#include <QLineEdit>

namespace tkv {

// The one-line field of the small dialogs: entering it selects its text, a
// pasted line break is dropped, and characters the Shift-JIS files cannot
// hold are refused as they are typed, with a short notice, so that what the
// user sees is what gets saved.
class SingleLineEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit SingleLineEdit(QWidget* parent = nullptr);

signals:
    // A character was taken out of the text again; `character` is what was dropped.
    void refused(const QString& character);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void TextEdited(const QString& text);
};

}  // namespace tkv
