#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "coach/RoundReview.h"
#include "search/ExpertPlayer.h"

namespace gui {

class QtDialogs;

// The round review: the round trick by trick (the four cards, who led and who took it) and,
// for each of the player's decisions, the choice made, the expert's and what it cost by the
// expert's judgement; below, what the player, the partner and the opponents gave away.
class ReviewWindow : public QDialog {
  public:
    ReviewWindow(const coach::RoundReview& review, QWidget* parent);
};

// Judges the round's decisions with an expert made from `options`, on a worker thread, while
// the clock holds (`modal`, may be null) and the table takes no input (`hold_input`); a
// progress bar shows when it takes longer than half a second, and its button stops the work
// (nullopt).
std::optional<coach::RoundReview> ComputeReview(const std::vector<coach::TakenDecision>& decisions,
                                                const search::ExpertOptions& options,
                                                QtDialogs* modal,
                                                const std::function<void(bool)>& hold_input,
                                                QWidget* parent);

}  // namespace gui
