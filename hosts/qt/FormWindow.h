#pragma once

#include "runtime/FormDefinition.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

#include <span>
#include <string_view>

namespace qthost {

// A window built from its stored definition: the picture painted at natural
// size from the top-left corner, each control placed, styled and named after
// its row, accessible names and buddies set, the focus chain in tab-index
// order.  Fixed size: it neither maximises nor fills the screen.  Throws std::logic_error for a
// definition that names a control it does not have.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const runtime::FormDefinition& definition, QWidget* parent = nullptr);

    // The control of that name, or nullptr.
    QWidget* control(std::string_view name) const;

    // Moves the window to the middle of its screen's available area; window
    // managers that place windows themselves may override this.
    void centreOnScreen();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls(const runtime::FormDefinition& definition);
    void describeForScreenReaders(const runtime::FormDefinition& definition);
    QWidget* requireControl(std::string_view name) const;

    QPixmap picture_;
    QElapsedTimer lastRefusedFilling_; // when it last left fullscreen or maximised
};

} // namespace qthost
