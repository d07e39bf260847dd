#pragma once

#include <QDialog>

#include "gui/settings/Preferences.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace gui {

// The player's settings: game speed, language (from the next start), the four-colour deck,
// the card back, whether hints start switched on and where they come from, and the levels of
// the opponents and the partner (from the next round). Shows the given preferences; Chosen()
// gives what the player set. When FIVRA_SPEED sets the speed of this run, the dialog says so.
class SettingsDialog : public QDialog {
  public:
    SettingsDialog(const Preferences& shown, bool speed_set_by_environment, QWidget* parent);

    Preferences Chosen() const;

  private:
    void ShowBackPreview();

    QComboBox* speed_ = nullptr;
    QComboBox* language_ = nullptr;
    QCheckBox* four_colours_ = nullptr;
    QComboBox* back_ = nullptr;
    QLabel* back_preview_ = nullptr;
    QCheckBox* hints_ = nullptr;
    QComboBox* hints_from_ = nullptr;
    QComboBox* opponents_ = nullptr;
    QComboBox* partner_ = nullptr;
};

}  // namespace gui
