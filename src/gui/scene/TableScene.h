#pragma once

#include <QGraphicsScene>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "table/Table.h"

namespace gui {

class ButtonItem;
class ControlItem;
class HandItem;
class LabelItem;
class PictureItem;
class ScoreboardItem;
class TraceItem;

// The table as a scene of fixed logical size: one named item per control of the table. It
// draws the table's state after every event (Sync) and turns presses on its items into the
// table's operations.
class TableScene : public QGraphicsScene {
  public:
    explicit TableScene(table::Table& table);

    // Redraws every item from the table's state and controls.
    void Sync();

    // The item that carries a control's name, nullptr if none.
    ControlItem* Item(const QString& name) const;

    // Called after every input has reached the table (the clock reschedules on it).
    std::function<void()> after_input;
    // Called when the exit button decides the window is to close.
    std::function<void()> close_window;
    // Called when the player presses the settings button.
    std::function<void()> open_settings;
    // Called by the review button, shown beside the replay button once a round is over.
    std::function<void()> open_review;
    // While held, presses and keys do not reach the table (a computer seat is thinking); the
    // settings, help and the window's own keys still work.
    void HoldInput(bool held) { input_held_ = held; }
    // Called by the help button and F1, and by Ctrl+Q (which closes as the window's close box
    // does, asking first).
    std::function<void()> open_help;
    std::function<void()> quit;

  protected:
    // The game's keys (see TableKeys.h).
    void keyPressEvent(QKeyEvent* event) override;

  private:
    template <class T, class... Args>
    T* Add(Args&&... args);

    void BuildFelt();
    void BuildHands();
    void BuildSeatLabels();
    void BuildCentre();
    void BuildBidPanel();
    void BuildColourControls();
    void BuildSidePanel();
    void BuildButtons();
    void BuildSettingsButton();
    void BuildReviewButton();
    void BuildHelpButton();
    // Tooltips and accessible names of every control, in the game's language.
    void DescribeControls();
    void MarkCards();
    ButtonItem* AddIconButton(const char* name, const char* down_name, int row, int column,
                              const char* picture);

    // Wires an item so that its press only continues the game.
    void ContinuesGame(ControlItem& item);
    // Runs a table operation and redraws.
    void Input(const std::function<void()>& operation);

    void PlaceBids();
    void SyncBidPanel();
    void SyncColourControls();
    void SyncHelp();

    // A label drawn from a control; `fallback` is shown when a visible control has no caption.
    struct LabelBinding {
        LabelItem* item;
        const common::Control* control;
        QString fallback;
    };
    // A button pair drawn as one item.
    struct ButtonBinding {
        ButtonItem* item;
        const common::Control* up;
        const common::Control* down;
    };
    LabelItem* AddLabel(const QString& name, const QRectF& rect, const common::Control& control,
                        int pixel_size, bool bold, Qt::Alignment align, bool chip);

    table::Table& table_;
    std::vector<HandItem*> hands_;
    std::vector<LabelBinding> labels_;
    std::vector<ButtonBinding> buttons_;
    std::array<LabelItem*, 4> seat_names_{};
    std::array<LabelItem*, 4> seat_bids_{};
    std::array<ControlItem*, 4> pakko_{};
    std::array<ButtonItem*, 10> bid_buttons_{};
    std::array<ButtonItem*, 4> colour_buttons_{};
    std::array<PictureItem*, 4> chosen_marks_{};
    ControlItem* bid_background_ = nullptr;
    TraceItem* trace_ = nullptr;
    ScoreboardItem* scoreboard_ = nullptr;
    LabelItem* score_ = nullptr;
    LabelItem* score_caption_ = nullptr;
    ButtonItem* suggest_ = nullptr;
    ButtonItem* review_ = nullptr;
    bool input_held_ = false;
};

}  // namespace gui
