#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>

namespace gui {

// One copy of the game at a time for one settings folder: two copies would write over each
// other's games won, resume record and game log. The first copy holds a lock file in the
// settings folder for as long as it runs (a copy that was killed leaves a lock that the next
// start finds stale by its process id) and listens on a local socket named after the user and
// the folder; a second copy asks it there to show its window, and then stops.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& settings_folder);

    // False when another copy holds the lock. A lock that cannot be made at all (a folder that
    // cannot be written) lets this copy run: its settings writes still lock each write.
    bool First() const { return first_; }

    // The first copy: `show` runs whenever a second copy asks for the window.
    void OnShowAsked(std::function<void()> show);

    // A second copy: asks the first to show its window; false when it did not answer.
    bool AskFirstToShow() const;

  private:
    QLockFile lock_;
    QString server_name_;
    QLocalServer server_;
    bool first_ = true;
    std::function<void()> show_;
};

}  // namespace gui
