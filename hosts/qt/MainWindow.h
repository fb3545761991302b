#pragma once

#include "runtime/Host.h"
#include "runtime/WindowDefinition.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <span>
#include <string_view>
#include <vector>

namespace qthost {

// A window built from its stored definition: the picture painted at natural
// size from the top-left corner, the controls created in
// runtime::creationOrder(), each placed, styled and named after its row,
// accessible names and buddies set, the focus chain in tab-index order, and
// each click of a bound button delivered to its handler on <host>.  Fitted
// to the running desktop, fixed size where the desktop lets it say so; given
// a larger size, the controls keep their places and more of the picture
// shows, the back colour beyond it.  Throws std::logic_error for a
// definition that names a control it does not have.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(const runtime::WindowDefinition& definition,
               std::span<const runtime::ClickBinding> bindings, runtime::Host& host,
               QWidget* parent = nullptr);

    // The control of that name, or nullptr.
    QWidget* control(std::string_view name) const;

    // Moves the window to the middle of its screen's available area; window
    // managers that place windows themselves may override this.
    void centreOnScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Control {
        const runtime::ControlDefinition* row;
        QWidget* widget;
    };

    void buildControls(const runtime::WindowDefinition& definition);
    void bindClicks(std::span<const runtime::ClickBinding> bindings, runtime::Host& host);
    void describeForScreenReaders(const runtime::WindowDefinition& definition);
    QWidget* requireControl(std::string_view name) const;

    std::vector<Control> controls_; // in creation order

    int clientTop_ = 0; // below the window's own title bar, where it has one
    QString picturePath_;
    QPixmap picture_; // the part the window has shown so far
};

} // namespace qthost
