#pragma once

#include <QIcon>
#include <functional>

namespace kes {

class ResourceLibrary;

// The picture of a node of the game selection tree by its index: the
// folders, the category of a game, custom and favourite games and the
// placeholders. An index without a picture shows none.
QIcon treePicture(const ResourceLibrary& library, int index);

// The picture of a category in the favourites menu; an unknown category
// shows the message through the callback and gets none.
QIcon categoryMenuPicture(const ResourceLibrary& library, int category,
                          const std::function<void(const QString&)>& showMessage);

}  // namespace kes
