#include "gui/window/DataPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace gui {

namespace {

std::filesystem::path PathOf(const QString& folder) {
    return std::filesystem::path(QDir::cleanPath(folder).toStdString());
}

}  // namespace

folders::FolderPlaces DataPlaces() {
    folders::FolderPlaces places;
    places.current = PathOf(QDir::currentPath());
    // An installation under any prefix finds its own data first.
    places.installed.push_back(
        PathOf(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/fivrastar")));
    // Every system data folder counts, made or not, so that a message can name them all.
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const std::filesystem::path path = PathOf(data + QStringLiteral("/fivrastar"));
        if (path != places.installed.front()) {
            places.installed.push_back(path);
        }
    }
    places.user = PathOf(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return places;
}

}  // namespace gui
