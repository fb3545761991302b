#pragma once

#include "runtime/FormDefinition.h"

#include <QPixmap>
#include <QWidget>

#include <string_view>

namespace runtime {

// A window built from its stored definition: the picture painted at natural
// size from the top-left corner, each control placed, styled and named after
// its row, the focus chain in tab-index order.  Fixed size.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const FormDefinition& definition, QWidget* parent = nullptr);

    // The control of that name, or nullptr.
    QWidget* control(std::string_view name) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace runtime
