#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace tkv::platform {

// The please-wait window of long synchronous work: a white panel with a line
// of text above a progress bar, centred over the window that started the work.
// It is shown without blocking; the caller advances it and finishes it.
class TWaitingForm final : public QWidget {
    Q_OBJECT

public:
    explicit TWaitingForm(QWidget* parent = nullptr);

    // Caption `text`, panel "<text>です。しばらくお待ちください。", bar 0..steps at 0.
    void begin(QWidget* caller, const QString& text, int steps);
    // Advances the bar by `count` (never past its end) and repaints it at once.
    void step(int count = 1);
    void setPosition(int position);
    void finish();

    int position() const;
    int steps() const;
    QString panelText() const;

private:
    void paintNow();

    QLabel* m_label = nullptr;
    QProgressBar* m_progress = nullptr;
};

}  // namespace tkv::platform
