#pragma once

#include <QDialog>
#include <string>

#include "common/Control.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "presentation/Localisation.h"

namespace gui {

// The About box: product, information and rights, the web and mail links, and the reset of
// the games-won statistics (asked through the table's dialogs).
class AboutDialog : public QDialog {
  public:
    struct Context {
        std::string folder;  // where "Referal.txt" is read from
        common::SettingsStore& settings;
        common::Dialogs& dialogs;
        common::Control& LblStatisticVi;
        common::Control& LblStatisticDe;
    };

    AboutDialog(Context context, QWidget* parent);

  private:
    void ResetStatistics_Click();

    Context context_;
    presentation::Language language_;
};

}  // namespace gui
