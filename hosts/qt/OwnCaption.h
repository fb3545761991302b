#pragma once

class QMessageBox;

namespace qthost {

// Qt 6.4 decorates every Wayland window alike: minimise and maximise
// buttons, and a title cut where it meets them.  A modal box offers
// neither, so there it goes without Qt's decoration and carries its title
// in a caption row of its own, which moves the box when dragged.  Call it
// once the box has its title, text and buttons.
void giveOwnCaption(QMessageBox& box);

} // namespace qthost
